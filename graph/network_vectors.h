#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "graph/edges.h"

namespace mst {

// A loaded network for the companions and tests: the edge list in file order, 0-based ends.
struct Network {
  std::vector<Edges> edges;
  int nON = 0;
};

// Loads one network from an open file with LoadNetwork's rules. On failure returns false and
// gives LoadNetwork's reason; nothing is left allocated either way.
[[nodiscard]] bool LoadNetworkFrom(std::FILE* file, Network& network, std::string& reason);

// Loads one network from text in memory as above; end receives the offset just past the last
// announced row (see LoadNetworkText).
[[nodiscard]] bool LoadNetworkFromText(std::string_view text, Network& network, std::string& reason, std::size_t& end);

// Opens the file at path for reading, loads it as above and closes it. "-" is a file name like
// any other. A file that cannot be opened gives "cannot open the file (<the system's reason>)".
[[nodiscard]] bool LoadNetworkFile(const std::string& path, Network& network, std::string& reason);

// Writes a network in the network file format mst-bench reads: the edge count and the node
// count, then one row per edge, its ends 1-based, tab-separated, in the order given.
void WriteNetwork(std::FILE* file, const std::vector<Edges>& edges, int nodes);

}  // namespace mst
