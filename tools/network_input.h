#pragma once

#include <string>

#include "graph/network_vectors.h"

// Reading the one network a program was given on its command line.
namespace mst {

// Reads the network file named file, or standard input for "-" (a file named "-" is "./-").
// Returns -1 with network and title (the name to show: the file name, or "standard input")
// filled; else prints "<program>: <title>: <reason>" on standard error and returns the exit
// status for an unusable input (1).
[[nodiscard]] int ReadNetworkArgument(const char* program, const std::string& file, Network& network,
                                      std::string& title);

}  // namespace mst
