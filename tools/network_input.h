#pragma once

#include <string>
#include <vector>

#include "graph/network_vectors.h"

// Reading the one network a program was given on its command line.
namespace mst {

// Reads the network in file, or standard input for "-" (a file named "-" is "./-"), in the
// format named format (see tools/network_formats.h), or when format is empty the one its name
// and first line tell (standard input: the network file format). Returns -1 with network and
// title (the name to show: the file name, or "standard input") filled; else prints
// "<program>: <title>: <reason>" on standard error and returns the exit status for an unusable
// input (1).
[[nodiscard]] int ReadNetworkArgument(const char* program, const std::string& file, const std::string& format,
                                      Network& network, std::string& title);

// The names --format takes, for a program's table.
[[nodiscard]] std::vector<std::string> FormatNames();

}  // namespace mst
