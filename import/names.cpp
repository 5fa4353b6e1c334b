#include "import/names.h"

#include "text/encoding.h"

namespace mst {

namespace {

bool IsControl(char c) { return (c >= 0 && c < 0x20) || c == 0x7F; }

}  // namespace

bool IsUtf8(std::string_view text) { return FirstNonUtf8(text) == std::string_view::npos; }

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
