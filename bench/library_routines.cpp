#include "bench/library_routines.h"

#include <iterator>

#include <boost/graph/kruskal_min_spanning_tree.hpp>
#include <boost/graph/prim_minimum_spanning_tree.hpp>

LibraryGraph MakeLibraryGraph(const Edges* in, int nOE, int nON) {
  LibraryGraph graph(static_cast<std::size_t>(nON));
  for (int r = 0; r < nOE; ++r) {
    boost::add_edge(static_cast<std::size_t>(in[r].node1), static_cast<std::size_t>(in[r].node2),
                    in[r].measure, graph);
  }
  return graph;
}

void LibraryPrim(const LibraryGraph& graph, std::vector<std::size_t>& predecessors) {
  boost::prim_minimum_spanning_tree(graph, predecessors.data());
}

void LibraryKruskal(const LibraryGraph& graph, std::vector<LibraryEdge>& tree) {
  tree.clear();
  boost::kruskal_minimum_spanning_tree(graph, std::back_inserter(tree));
}

std::int64_t LibraryKruskalTotal(const Edges* in, int nOE, int nON) {
  const LibraryGraph graph = MakeLibraryGraph(in, nOE, nON);
  std::vector<LibraryEdge> tree;
  LibraryKruskal(graph, tree);
  std::int64_t total = 0;
  for (const LibraryEdge& edge : tree) {
    total += boost::get(boost::edge_weight, graph, edge);
  }
  return total;
}
