#pragma once

#include <cstdint>
#include <cstdio>

namespace mst {

enum class ScanResult {
  kInteger,     // a signed 32-bit decimal integer was read
  kEnd,         // only white space was left before the end of the file
  kNotInteger,  // the next item is not a decimal integer
  kOutOfRange,  // a decimal integer outside the signed 32-bit range
};

// Reads the next white-space separated integer from file: optional white space (any kind, so
// CR of Windows line ends too), an optional sign, one or more decimal digits, and then white
// space or the end of the file. Anything else is kNotInteger. Never reads past the character
// that follows the number.
[[nodiscard]] ScanResult ScanInteger(std::FILE* file, std::int32_t& value);

}  // namespace mst
