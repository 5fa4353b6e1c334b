// Feeds arbitrary bytes to the network readers as a file: mst-bench's reader, or where the first
// byte names one (D dimacs, M mtx, E edgelist, C csv, T metis, P pajek, G graphml; in lower case
// with --maximum and --largest-part) the importer's reader of that format, given the rest.
// Whatever a reader accepts must be a network both routines can work on: each runs once and must
// write a minimum spanning tree, checked by the tests' independent checker, and the two totals
// must agree.
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <string>
#include <vector>

#include "graph/network_vectors.h"
#include "graph/tree_total.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "tests/support/tree_checker.h"
#include "tools/network_formats.h"

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
  static const char kFormats[] = "DMECTPG";
  static const NetworkFormat kByLetter[] = {NetworkFormat::kDimacs, NetworkFormat::kMtx,   NetworkFormat::kEdgelist,
                                            NetworkFormat::kCsv,    NetworkFormat::kMetis, NetworkFormat::kPajek,
                                            NetworkFormat::kGraphml};
  const char* letter = size > 0 && data[0] != 0 ? std::strchr(kFormats, std::toupper(data[0])) : nullptr;
  const std::size_t skip = letter != nullptr ? 1 : 0;
  std::fwrite(data + skip, 1, size - skip, file);
  std::rewind(file);
  Network network;
  std::string reason;
  bool loaded = false;
  if (letter == nullptr) {
    loaded = LoadNetworkFrom(file, network, reason);
  } else {
    ImportOptions options;
    options.format = kByLetter[letter - kFormats];
    options.maximum = options.largestPart = std::islower(data[0]) != 0;
    ImportedNetwork imported;
    loaded = ImportNetwork(file, options, imported, reason);
    if (loaded && imported.names.size() != static_cast<std::size_t>(imported.network.nON)) {
      std::fprintf(stderr, "a name per node: %zu names, %d nodes\n", imported.names.size(), imported.network.nON);
      std::abort();
    }
    network = std::move(imported.network);
  }
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
