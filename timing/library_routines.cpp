#include "timing/library_routines.h"

#include <iterator>

#include <boost/graph/kruskal_min_spanning_tree.hpp>
#include <boost/graph/prim_minimum_spanning_tree.hpp>

namespace mst {

LibraryGraph MakeLibraryGraph(const Edges* in, int nOE, int nON) {
  LibraryGraph graph(static_cast<std::size_t>(nON));
  for (int r = 0; r < nOE; ++r) {
    boost::add_edge(static_cast<std::size_t>(in[r].node1), static_cast<std::size_t>(in[r].node2), in[r].measure, graph);
  }
  return graph;
}

void LibraryPrim(const LibraryGraph& graph, std::vector<std::size_t>& predecessors) {
  boost::prim_minimum_spanning_tree(graph, predecessors.data());
}

namespace {

// Counts the two events of prim_minimum_spanning_tree's (Dijkstra) visitor that show its work.
struct CountingVisitor : boost::default_dijkstra_visitor {
  std::int64_t* examined;
  std::int64_t* relaxed;
  CountingVisitor(std::int64_t* examinedCount, std::int64_t* relaxedCount)
      : examined(examinedCount), relaxed(relaxedCount) {}
  void examine_edge(LibraryEdge, const LibraryGraph&) { ++*examined; }
  void edge_relaxed(LibraryEdge, const LibraryGraph&) { ++*relaxed; }
};

}  // namespace

void LibraryPrimCounts(const LibraryGraph& graph, std::int64_t& examined, std::int64_t& relaxed) {
  examined = 0;
  relaxed = 0;
  std::vector<std::size_t> predecessors(boost::num_vertices(graph));
  boost::prim_minimum_spanning_tree(graph, predecessors.data(), boost::visitor(CountingVisitor(&examined, &relaxed)));
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

}  // namespace mst
