#include "tests/test_networks.h"

#include <cstdio>
#include <cstdlib>

#include "graph/network_loader.h"

using namespace mst;

LoadedNetwork LoadText(const std::string& text) {
  LoadedNetwork result;
  std::FILE* file = std::tmpfile();
  if (file == nullptr) {
    result.reason = "tmpfile failed";
    return result;
  }
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  Edges* in = nullptr;
  Edges* out = nullptr;
  char reason[kReasonSize] = "";
  result.loaded = LoadNetwork(file, &in, &out, result.nOE, result.nON, reason);
  std::fclose(file);
  result.reason = reason;
  result.arraysOnFailure = !result.loaded && (in != nullptr || out != nullptr);
  if (result.loaded) {
    result.edges.assign(in, in + result.nOE);
  }
  std::free(in);
  std::free(out);
  return result;
}

std::vector<Edges> EdgesFromRows(const std::vector<std::vector<int>>& rows) {
  std::vector<Edges> edges(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    edges[i].set(rows[i][0] - 1, rows[i][1] - 1, rows[i][2]);
  }
  return edges;
}

std::vector<Edges> MarkedTreeList(int nON) {
  std::vector<Edges> tree(static_cast<std::size_t>(nON));
  for (Edges& record : tree) {
    record.set(-1, -1, -99);
  }
  return tree;
}

std::vector<std::vector<int>> RowsOf(const Edges* edges, int count) {
  std::vector<std::vector<int>> rows;
  for (int i = 0; i < count; ++i) {
    rows.push_back({edges[i].node1 + 1, edges[i].node2 + 1, edges[i].measure});
  }
  return rows;
}
