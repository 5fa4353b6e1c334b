#pragma once

#include <string>

// The statistics of the two studies, computed from their CSV (as mst-density and mst-scaling
// write it: a header row, then comma-separated fields without quotes). Both return the text the
// scripts write beside the CSV; rows are taken in file order, routines and networks in the order
// they first appear. A row with fewer fields than the header asks for is skipped.
namespace mst {

// density-summary.txt, from density.csv: per network the fastest routine by median and how many
// times as fast as the runner-up it is; the wins; where Prim and Kruskal change order on the
// random family beyond their spreads (the last crossing of the medians between two densities
// with different clear leaders, interpolated on log-log axes); whether Prim gains on Kruskal
// from the sparsest to the densest network; and the nanoseconds per counted operation (Prim:
// edge visit, Kruskal: comparison of its sort, library Prim: edge examined), median and range
// over each node count's networks. Linear in the rows, with a sort per node count.
[[nodiscard]] std::string DensitySummary(const std::string& csv);

// scaling-fit.txt, from scaling.csv: each curve's growth exponent (the least-squares slope of
// log time against log nodes over the upper half of its sizes); where two curves at 3 or 10
// edges per node change order beyond their spreads (as above, on nodes); and where their
// medians cross with the spreads overlapping on one side (within noise).
[[nodiscard]] std::string ScalingFit(const std::string& csv);

}  // namespace mst
