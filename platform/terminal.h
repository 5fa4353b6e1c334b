#pragma once

#include <cstdio>

namespace mst {

// True when file (standard input, output or error) is a terminal or console.
[[nodiscard]] bool IsTerminal(std::FILE* file);

}  // namespace mst
