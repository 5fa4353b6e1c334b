// Feeds arbitrary bytes to the network readers as a file. The first byte picks the reader:
// - 'A' + k: the importer with the k-th format of the registry (import/formats.h), given the
//   rest; 'a' + k the same with --maximum and --largest-part;
// - '?': the importer telling the format from the content (of a file named fuzz.txt);
// - '@': the names file reader, the next byte setting the node count (1 to 16);
// - anything else: mst-bench's own reader, given all of it.
// Whatever a reader accepts must be a network both routines can work on: each runs once and must
// write a minimum spanning tree, checked by the tests' independent checker, and the two totals
// must agree; an imported network has a name per node, each fit to show. What the names reader
// accepts must name every node with text free of control characters, and must go through the
// trace's text and JSON. fuzz/seeds.cpp writes a seed per format from the registry's examples.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <string>
#include <vector>

#include <unistd.h>

#include "graph/network_vectors.h"
#include "graph/tree_total.h"
#include "import/formats.h"
#include "import/names.h"
#include "import/network_import.h"
#include "mst/kruskal.h"
#include "mst/prim.h"
#include "tests/support/tree_checker.h"
#include "tools/node_names.h"
#include "trace/step_trace.h"
#include "trace/trace_json.h"
#include "trace/trace_text.h"

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

// The names reader takes a path: the bytes go to a file of this process's own.
int FuzzNames(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int nON = 1 + data[0] % 16;
  static const std::string path = "/tmp/names-fuzz-" + std::to_string(getpid()) + ".names";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data + 1, 1, size - 1, file);
  std::fclose(file);
  std::vector<std::string> names;
  std::string reason;
  const bool read = ReadNodeNames(path, nON, names, reason);
  std::remove(path.c_str());
  if (!read) {
    if (reason.empty()) {
      std::fprintf(stderr, "a refusal without a reason\n");
      std::abort();
    }
    return 0;
  }
  for (const std::string& name : names) {
    std::string untabbed = name;
    std::replace(untabbed.begin(), untabbed.end(), '\t', ' ');
    if (name.empty() || HasControl(untabbed)) {
      std::fprintf(stderr, "a name that is empty or holds a control character\n");
      std::abort();
    }
  }
  if (nON < 2) return 0;  // a network needs an edge: a chain of the named nodes
  std::vector<Edges> chain(static_cast<std::size_t>(nON - 1));
  for (int n = 1; n < nON; ++n) chain[static_cast<std::size_t>(n - 1)].set(n, n - 1, n);
  StepTrace trace = TraceRoutines(chain.data(), nON - 1, nON);
  trace.names = names;
  const std::string json = TraceJson(trace, "names.txt");
  if (json.find('<') != std::string::npos) {  // it must be able to stand in a page's script
    std::fprintf(stderr, "a '<' in the JSON\n");
    std::abort();
  }
  if (TraceText(trace, "names.txt").find(names.back()) == std::string::npos) {
    std::fprintf(stderr, "the text lacks the last node's name\n");
    std::abort();
  }
  return 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0 && data[0] == '@') return FuzzNames(data + 1, size - 1);
  const std::size_t formats = Formats().size();
  const int first = size > 0 ? data[0] : -1;
  const bool importing = first == '?' || (first >= 'A' && first < 'A' + static_cast<int>(formats)) ||
                         (first >= 'a' && first < 'a' + static_cast<int>(formats));
  Network network;
  std::string reason;
  bool loaded = false;
  if (!importing) {
    // fmemopen refuses an empty buffer on some C libraries; a temporary file takes anything.
    std::FILE* file = std::tmpfile();
    if (file == nullptr) return 0;
    std::fwrite(data, 1, size, file);
    std::rewind(file);
    loaded = LoadNetworkFrom(file, network, reason);
    std::fclose(file);
  } else {
    ImportOptions options;
    if (first != '?') {
      options.format = Formats()[static_cast<std::size_t>(std::toupper(first) - 'A')].name;
      options.maximum = options.largestPart = std::islower(first) != 0;
    }
    ImportedNetwork imported;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    loaded = ImportText(text, "fuzz.txt", options, imported, reason);
    if (!loaded && reason.empty()) {
      std::fprintf(stderr, "a refusal without a reason\n");
      std::abort();
    }
    if (loaded && imported.names.size() != static_cast<std::size_t>(imported.network.nON)) {
      std::fprintf(stderr, "a name per node: %zu names, %d nodes\n", imported.names.size(), imported.network.nON);
      std::abort();
    }
    for (const std::string& name : imported.names) {
      if (loaded && (name.empty() || HasControl(name) || !IsUtf8(name))) {
        std::fprintf(stderr, "a name not fit to show\n");
        std::abort();
      }
    }
    network = std::move(imported.network);
  }
  if (!loaded) return 0;
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
