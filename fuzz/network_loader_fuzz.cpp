// Feeds arbitrary bytes to the network reader as a file. Whatever it accepts must be a network
// both routines can work on: each runs once and must write a minimum spanning tree, checked by
// the tests' independent checker, and the two totals must agree.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <string>
#include <vector>

#include "graph/network_vectors.h"
#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "tests/support/tree_checker.h"

using namespace mst;

namespace {

void ExpectMinimumTree(const std::vector<Edges>& fileOrder, int nON, const Edges* tree, const char* routine) {
  const std::string fault =
      MinimumSpanningTreeFault(fileOrder.data(), static_cast<int>(fileOrder.size()), nON, tree, nON - 1);
  if (!fault.empty()) {
    std::fprintf(stderr, "%s: %s\n", routine, fault.c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // fmemopen refuses an empty buffer on some C libraries; a temporary file takes anything.
  std::FILE* file = std::tmpfile();
  if (file == nullptr) {
    return 0;
  }
  std::fwrite(data, 1, size, file);
  std::rewind(file);
  Network network;
  std::string reason;
  const bool loaded = LoadNetworkFrom(file, network, reason);
  std::fclose(file);
  if (!loaded) {
    return 0;
  }
  const std::vector<Edges>& fileOrder = network.edges;
  std::vector<Edges> list = fileOrder;
  const int nOE = static_cast<int>(list.size());
  const int nON = network.nON;
  std::vector<Edges> tree(static_cast<std::size_t>(nON));
  Prim(list.data(), tree.data(), nOE, nON);
  ExpectMinimumTree(fileOrder, nON, tree.data(), "Prim");
  const std::int64_t primTotal = TreeTotal(tree.data(), nON - 1);
  Kruskal(list.data(), tree.data(), nOE, nON);
  ExpectMinimumTree(fileOrder, nON, tree.data(), "Kruskal");
  if (TreeTotal(tree.data(), nON - 1) != primTotal) {
    std::fprintf(stderr, "Prim and Kruskal disagree on the total\n");
    std::abort();
  }
  return 0;
}
