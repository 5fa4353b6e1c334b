#pragma once

#include <cstdint>
#include <vector>

#include <boost/graph/adjacency_list.hpp>

#include "graph/edges.h"

namespace mst {

// Boost.Graph's minimum spanning tree algorithms as a library baseline beside mst-bench's two
// routines: a binary-heap Prim and a union-find Kruskal. The harness, the studies, mst-race and
// the tests use them; mst-bench keeps to the standard library.

// The network as Boost.Graph's adjacency list: one vertex per node, one edge per row, in file
// order, self-loops and parallel edges kept, each row's measure as its weight. Built once,
// outside any timed part.
using LibraryGraph = boost::adjacency_list<boost::vecS, boost::vecS, boost::undirectedS, boost::no_property,
                                           boost::property<boost::edge_weight_t, std::int32_t>>;
using LibraryEdge = boost::graph_traits<LibraryGraph>::edge_descriptor;

LibraryGraph MakeLibraryGraph(const Edges* in, int nOE, int nON);

// One call of prim_minimum_spanning_tree from vertex 0, writing each vertex's tree parent
// into predecessors (nON entries, caller-owned, kept between calls like the tree list). The
// call allocates its own distances, colours and heap, as mst-bench's routines allocate
// their working arrays. Boost's Prim refuses negative weights (it throws) and treats INT_MAX
// as unreachable: use it on measures from 0 to INT_MAX - 1. Cost: O(edges x log nodes).
void LibraryPrim(const LibraryGraph& graph, std::vector<std::size_t>& predecessors);

// One call of LibraryPrim watched through the library's visitor: edges examined and edges
// relaxed (a shorter way to a vertex found).
void LibraryPrimCounts(const LibraryGraph& graph, std::int64_t& examined, std::int64_t& relaxed);

// One call of kruskal_minimum_spanning_tree, writing the tree's edges into tree (cleared first;
// reserve nON - 1 outside the timed part). The call allocates its own edge heap and disjoint
// sets. Any measures. Cost: O(edges x log edges).
void LibraryKruskal(const LibraryGraph& graph, std::vector<LibraryEdge>& tree);

// The total measure of the library Kruskal's tree of a connected network: the tests' oracle.
std::int64_t LibraryKruskalTotal(const Edges* in, int nOE, int nON);

}  // namespace mst
