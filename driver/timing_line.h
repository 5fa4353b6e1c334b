#pragma once

namespace mst {

// Prints one timing line and a blank line, columns aligned across routines:
// "    time for PRIM    (network 1) :    12 ms". routine is "PRIM" or "KRUSKAL"; it is padded
// to eight characters.
void PrintTimingLine(const char* routine, int network, int milliseconds);

}  // namespace mst
