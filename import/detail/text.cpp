#include "import/detail/text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>

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

bool IsNumber(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
  double value = 0;
  const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && result.ptr == text.data() + text.size() &&
         (result.ec == std::errc() || result.ec == std::errc::result_out_of_range);
}

std::string WeightChoices(const std::vector<std::string>& names, bool quoted) {
  std::string advice;
  for (std::size_t k = 0; k < names.size(); ++k) {
    advice += (k == 0 ? "--weight " : " or --weight ") + (quoted ? "'" + names[k] + "'" : names[k]);
  }
  return advice + (names.size() == 1 ? " takes the measures from it" : " takes the measures from one of them");
}

std::string Listed(const std::vector<std::string>& names) {
  std::string listed;
  for (std::size_t k = 0; k < names.size(); ++k) {
    listed += (k == 0 ? "'" : k + 1 == names.size() ? " and '" : ", '") + names[k] + "'";
  }
  return listed;
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

namespace {

const char* const kRoleNames[3][10] = {
    {"source", "from", "src", "node1", "source_id", "from_node", "start", nullptr},
    {"target", "to", "dst", "node2", "target_id", "to_node", "end", nullptr},
    {"weight", "cost", "length", "distance", "measure", "value", "len", "dist", nullptr}};

}  // namespace

Role RoleOfName(std::string_view name) {
  const std::string lower = Lower(Trim(name));
  for (int role = 0; role < 3; ++role) {
    for (const char* const* known = kRoleNames[role]; *known != nullptr; ++known) {
      if (lower == *known) return static_cast<Role>(role);
    }
  }
  return Role::kNone;
}

const char* RoleExamples(Role role) {
  switch (role) {
    case Role::kSource:
      return "source, from, src...";
    case Role::kTarget:
      return "target, to, dst...";
    case Role::kWeight:
      return "weight, cost, length, distance...";
    case Role::kNone:
      break;
  }
  return "";
}

bool NamesColumns(const std::vector<std::string_view>& fields) {
  bool source = false;
  bool target = false;
  for (const std::string_view field : fields) {
    const Role role = RoleOfName(field);
    source = source || role == Role::kSource;
    target = target || role == Role::kTarget;
  }
  return source && target;
}

}  // namespace mst
