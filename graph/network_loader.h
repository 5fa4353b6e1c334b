#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

#include "graph/edges.h"

namespace mst {

// Room for any reason LoadNetwork gives, terminating zero included.
constexpr std::size_t kReasonSize = 160;

// Reads one network from an open file: the header (edge count, node count), then one row per
// edge (first end, second end, measure; ends 1-based in the file, stored 0-based), all separated
// by any white space. Anything after the last announced row is ignored. A UTF-8 byte order mark
// at the start is passed over; UTF-16 text is refused with its own reason.
//
// On success stores a new edge list of nOE records in file order and a new, uninitialised tree
// list of nON records through in and out; the caller owns both (free them with std::free).
// On failure stores nothing through in and out, leaves no memory behind and writes a short
// reason in plain words to reason: a bad or missing header, an edge count below 1 or a node
// count below 2, a missing or malformed value, an end node out of range, a network that is not
// connected, or memory that cannot be had. Memory grows only with what the file really holds,
// whatever its header announces.
[[nodiscard]] bool LoadNetwork(std::FILE* file, Edges** in, Edges** out, int& nOE, int& nON,
                               char (&reason)[kReasonSize]);

// LoadNetwork over text in memory, with the same rules and reasons; on success end is the offset
// just past the last row's measure (and the white space character after it), so that a caller
// can see what follows the announced rows.
[[nodiscard]] bool LoadNetworkText(std::string_view text, Edges** in, Edges** out, int& nOE, int& nON, std::size_t& end,
                                   char (&reason)[kReasonSize]);

// Why a file could not be read, from the errno its failed read left: "it is a directory, not a
// file" for a directory (which some systems open and then refuse to read), else "the file
// cannot be read".
[[nodiscard]] const char* ReadFailureReason(int error);

}  // namespace mst
