#pragma once

#include <cstdint>
#include <vector>

#include "graph/edges.h"

// A random connected network of `nodes` nodes and `edges` edges (at least nodes - 1), no
// self-loops, measures 1..1000 so that equal measures occur, in shuffled file order. The same
// arguments give the same network on every platform (mt19937 and plain modulo arithmetic).
std::vector<Edges> SweepNetwork(int nodes, int edges, std::uint32_t seed);
