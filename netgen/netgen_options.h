#pragma once

#include <string>

#include "netgen/network_generator.h"

namespace mst {

// Largest edge count mst-netgen writes: the network stays within what a benchmark can use and
// what memory holds comfortably.
constexpr int kMaxGeneratedEdges = 50000000;

enum class NetgenCommand {
  kGenerate,  // request holds a checked, possible request
  kHelp,      // --help was asked for
  kVersion,   // --version was asked for
  kError,     // error holds a one-line message
};

// Reads mst-netgen's arguments: --family NAME, --nodes N, --edges E, --seed S, --min A, --max B,
// --distinct, --geometric, --positions FILE, --output FILE (each value also as --name=value) and
// --help. Unset options keep their defaults, except that --edges defaults to twice the node
// count, or to what the family holds. Checks that every value is in range, that min <= max,
// and that the family can make the counts.
[[nodiscard]] NetgenCommand ParseNetgenArguments(int argc, const char* const* argv, NetworkRequest& request,
                                                 std::string& error);

// The text --help prints.
const char* NetgenUsage();

}  // namespace mst
