#pragma once

#include <random>
#include <vector>

#include "graph/edges.h"

namespace mst {

// A random connected network of nON nodes for tests, made to find faults: a random spanning
// tree plus up to 3 x nON more rows, among them identical copies of earlier rows, parallel
// rows and self-loops; measures mostly from a handful of small values (heavy ties, negatives)
// with an occasional INT_MIN, INT_MAX or near them; rows shuffled, ends in either order.
// mt19937's sequence is fixed by the standard and only its raw draws are used, so a seed
// gives the same network everywhere.
std::vector<Edges> RandomTestNetwork(std::mt19937& rng, int nON);

}  // namespace mst
