#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace mst {

enum class ScanResult {
  kInteger,     // a signed 32-bit decimal integer was read
  kEnd,         // only white space was left before the end of the file
  kNotInteger,  // the next item is not a decimal integer
  kOutOfRange,  // a decimal integer outside the signed 32-bit range
};

// Reads the next white-space separated word from file and takes it as an integer as
// ParseInteger (graph/integer_text.h) does: optional white space (any kind, so CR of Windows
// line ends too), then a word that must be an optional sign and decimal digits. Never reads past
// the character that follows the word.
[[nodiscard]] ScanResult ScanInteger(std::FILE* file, std::int32_t& value);

// The same over text in memory, from offset at, which it moves past the word (and the character
// after it, as the file version does).
[[nodiscard]] ScanResult ScanInteger(std::string_view text, std::size_t& at, std::int32_t& value);

}  // namespace mst
