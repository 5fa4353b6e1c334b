#include "import/names.h"

namespace mst {

namespace {

// The length of the well-formed UTF-8 character at text[k], or 0.
std::size_t Utf8Length(std::string_view text, std::size_t k) {
  const auto c = static_cast<unsigned char>(text[k]);
  std::size_t more = 0;
  unsigned int value = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) {
    more = 1;
    value = c & 0x1Fu;
  } else if (c >= 0xE0 && c <= 0xEF) {
    more = 2;
    value = c & 0x0Fu;
  } else if (c >= 0xF0 && c <= 0xF4) {
    more = 3;
    value = c & 0x07u;
  } else {
    return 0;
  }
  if (k + more >= text.size()) return 0;
  for (std::size_t m = 1; m <= more; ++m) {
    const auto next = static_cast<unsigned char>(text[k + m]);
    if ((next & 0xC0u) != 0x80u) return 0;
    value = (value << 6) | (next & 0x3Fu);
  }
  const unsigned int least[] = {0, 0x80, 0x800, 0x10000};
  if (value < least[more] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  return more + 1;
}

bool IsControl(char c) { return (c >= 0 && c < 0x20) || c == 0x7F; }

}  // namespace

bool IsUtf8(std::string_view text) {
  for (std::size_t k = 0; k < text.size();) {
    const std::size_t length = Utf8Length(text, k);
    if (length == 0) return false;
    k += length;
  }
  return true;
}

bool HasControl(std::string_view text) {
  for (const char c : text) {
    if (IsControl(c)) return true;
  }
  return false;
}

std::string DisplayName(std::string_view name) {
  std::string shown;
  shown.reserve(name.size());
  for (std::size_t k = 0; k < name.size();) {
    const std::size_t length = Utf8Length(name, k);
    if (length == 0) {
      shown += "\xEF\xBF\xBD";
      ++k;
    } else {
      shown += length == 1 && IsControl(name[k]) ? std::string_view(" ") : name.substr(k, length);
      k += length;
    }
  }
  const std::size_t start = shown.find_first_not_of(' ');
  return start == std::string::npos ? std::string() : shown.substr(start, shown.find_last_not_of(' ') - start + 1);
}

}  // namespace mst
