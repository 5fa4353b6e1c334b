#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace mst {

// A node's place in the plane, in the units of the positions file.
struct Position {
  double x;
  double y;
};

// Reads exactly nON points from a positions file: whitespace-separated numbers, x then y for
// node 1, then node 2, and so on (decimal, optional sign and fraction, as "%lf" without
// leading junk; every number must be finite and end at white space or the end of the file).
// On failure returns false with a short reason: a malformed number, too few or too many
// numbers, or a read error.
[[nodiscard]] bool ReadPositions(std::FILE* file, int nON, std::vector<Position>& positions, std::string& reason);

// Opens path and reads it as ReadPositions does; a file that cannot be opened gives
// "cannot open the file (<the system's reason>)".
[[nodiscard]] bool ReadPositionsFile(const std::string& path, int nON, std::vector<Position>& positions,
                                     std::string& reason);

}  // namespace mst
