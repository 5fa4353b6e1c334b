#include "text/lines.h"

#include <algorithm>
#include <cctype>

namespace mst {

bool Lines::Next(std::string_view& line) {
  if (at_ >= text_.size()) return false;
  // Two memchr scans (find) outrun one find_first_of over two characters by far.
  const std::size_t newline = text_.find('\n', at_);
  const std::size_t stop = std::min(newline == std::string_view::npos ? text_.size() : newline,
                                    std::min(text_.size(), text_.substr(0, newline).find('\r', at_)));
  line = text_.substr(at_, stop - at_);
  at_ = stop + (stop + 1 < text_.size() && text_[stop] == '\r' && text_[stop + 1] == '\n' ? 2 : 1);
  ++number_;
  return true;
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t k = 0;
  while (k < line.size()) {
    while (k < line.size() && (line[k] == ' ' || line[k] == '\t')) ++k;
    const std::size_t start = k;
    while (k < line.size() && line[k] != ' ' && line[k] != '\t') ++k;
    if (k > start) words.push_back(line.substr(start, k - start));
  }
  return words;
}

std::vector<std::string_view> TabFields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(Trim(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start)));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string_view Trim(std::string_view text) {
  const char* const kBlanks = " \t\r\n\v\f";
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

std::string AtLine(long long line) { return "line " + std::to_string(line) + ": "; }

std::string Quote(std::string_view text) {
  if (text.size() > 40) {
    std::size_t cut = 40;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u) --cut;
    return "'" + std::string(text.substr(0, cut)) + "...'";
  }
  return "'" + std::string(text) + "'";
}

}  // namespace mst
