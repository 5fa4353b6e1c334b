#include "graph/network_vectors.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "graph/network_loader.h"

namespace mst {

namespace {

// Runs load, one of the heap-array loaders, and moves what it read into network (or its reason
// into reason), freeing the arrays.
template <typename Load>
bool IntoVectors(Load load, Network& network, std::string& reason) {
  Edges* in = nullptr;
  Edges* out = nullptr;
  int nOE = 0;
  int nON = 0;
  char why[kReasonSize] = "";
  if (!load(&in, &out, nOE, nON, why)) {
    reason = why;
    return false;
  }
  network.edges.assign(in, in + nOE);
  network.nON = nON;
  std::free(in);
  std::free(out);
  return true;
}

}  // namespace

bool LoadNetworkFrom(std::FILE* file, Network& network, std::string& reason) {
  return IntoVectors([file](Edges** in, Edges** out, int& nOE, int& nON,
                            char(&why)[kReasonSize]) { return LoadNetwork(file, in, out, nOE, nON, why); },
                     network, reason);
}

bool LoadNetworkFromText(std::string_view text, Network& network, std::string& reason, std::size_t& end) {
  return IntoVectors(
      [text, &end](Edges** in, Edges** out, int& nOE, int& nON, char(&why)[kReasonSize]) {
        return LoadNetworkText(text, in, out, nOE, nON, end, why);
      },
      network, reason);
}

bool LoadNetworkFile(const std::string& path, Network& network, std::string& reason) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr) {
    reason = std::string("cannot open the file (") + std::strerror(errno) + ")";
    return false;
  }
  const bool loaded = LoadNetworkFrom(file, network, reason);
  std::fclose(file);
  return loaded;
}

void WriteNetwork(std::FILE* file, const std::vector<Edges>& edges, int nodes) {
  std::fprintf(file, "%d\t%d\n", static_cast<int>(edges.size()), nodes);
  for (const Edges& edge : edges) {
    std::fprintf(file, "%d\t%d\t%d\n", edge.node1 + 1, edge.node2 + 1, edge.measure);
  }
}

}  // namespace mst
