#pragma once

#include <string>

// The statistics of the two studies, computed from their CSV (as mst-density and mst-scaling
// write it: a header row, then comma-separated fields without quotes). Each returns the text the
// scripts write beside the CSV; rows are taken in file order, routines and networks in the order
// they first appear. A row with fewer fields than the header asks for is skipped.
namespace mst {

// density-summary.txt, from density.csv: per network the fastest routine by median and how many
// times as fast as the runner-up it is; the wins; where Prim and Kruskal change order on the
// random family beyond their spreads (the last crossing of the medians between two densities
// with different clear leaders, interpolated on log-log axes); whether Prim gains on Kruskal
// from the sparsest to the densest network; and the nanoseconds per counted operation (Prim:
// edge visit, Kruskal: comparison of its sort, library Prim: edge examined), median and range
// over each node count's networks. Rows of family "real:NAME" (the real networks) are left out
// of all that and summarized after it: each routine's median and spread, the fastest, and
// whether Prim against Kruskal goes the way the random network nearest in nodes and edges per
// node goes. Linear in the rows, with a sort per node count.
[[nodiscard]] std::string DensitySummary(const std::string& csv);

// The points of the density chart's map, one line per random or real network:
// "FAMILY FASTEST EDGES_PER_NODE NODES xTIMES P/K=RATIO" (TIMES: as fast as the runner-up;
// RATIO: Prim's time / Kruskal's).
[[nodiscard]] std::string DensityMap(const std::string& csv);

// scaling-fit.txt, from scaling.csv: each curve's growth exponent (the least-squares slope of
// log time against log nodes over the upper half of its sizes); where two curves at 3 or 10
// edges per node change order beyond their spreads (as above, on nodes); and where their
// medians cross with the spreads overlapping on one side (within noise).
[[nodiscard]] std::string ScalingFit(const std::string& csv);

}  // namespace mst
