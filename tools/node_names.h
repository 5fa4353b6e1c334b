#pragma once

#include <string>
#include <vector>

#include "import/network_import.h"

// Node names: the names file that goes with a network file, as mst-import --node-map writes it.
namespace mst {

// Reads a names file for a network of nON nodes: one line per node, its 1-based number, a tab,
// its name (the rest of the line, a carriage return before the line end dropped), nodes in any
// order, blank lines and a leading UTF-8 byte-order mark allowed. Fills names (0-based) and
// returns true when every node has exactly one line with a non-empty name in UTF-8; else returns
// false with the reason, naming the line where there is one: a number that is not a whole
// number, out of range or given twice, a missing tab, an empty name, a name that is not UTF-8 or
// holds a control character other than a tab, DEL included (it would reach terminals and pages),
// or nodes without a line.
// Cost: one pass over the file, memory for the names.
[[nodiscard]] bool ReadNodeNames(const std::string& path, int nON, std::vector<std::string>& names,
                                 std::string& reason);

// The names file that goes with the network file network: the same path with its extension (if
// any) replaced by ".names" (matrix1.txt -> matrix1.names); "" for standard input ("-").
[[nodiscard]] std::string NamesBeside(const std::string& network);

// The names a program uses for the network imported from networkFile: those of namesOption when
// given (a file that cannot be read or does not fit is refused), else the names the file itself
// holds (its ids or labels, where they say more than the node numbers), else those of the names
// file beside the network when there is one (refused likewise when it does not fit), else none
// (names stays empty). Returns -1 when the program goes on; else prints "<program>: <file>:
// <reason>" on standard error and returns the exit status for an unusable input (1).
[[nodiscard]] int ReadNamesArgument(const char* program, const std::string& namesOption, const std::string& networkFile,
                                    const ImportedNetwork& imported, std::vector<std::string>& names);

}  // namespace mst
