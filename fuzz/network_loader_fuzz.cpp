// Feeds arbitrary bytes to the network reader as a file. Whatever it accepts must be a network
// both routines can work on: they run once each and must agree on the tree's total.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "mst/kruskal.h"
#include "graph/network_loader.h"
#include "mst/prim.h"

namespace {

std::int64_t Total(const Edges* tree, int size) {
  std::int64_t total = 0;
  for (int k = 0; k < size; ++k) {
    total += tree[k].measure;
  }
  return total;
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
  Edges* in = nullptr;
  Edges* out = nullptr;
  int nOE = 0;
  int nON = 0;
  char reason[kReasonSize];
  const bool loaded = LoadNetwork(file, &in, &out, nOE, nON, reason);
  std::fclose(file);
  if (!loaded) {
    return 0;
  }
  Prim(in, out, nOE, nON);
  const std::int64_t primTotal = Total(out, nON - 1);
  Kruskal(in, out, nOE, nON);
  if (Total(out, nON - 1) != primTotal) {
    std::fprintf(stderr, "Prim and Kruskal disagree on the total\n");
    std::abort();
  }
  std::free(in);
  std::free(out);
  return 0;
}
