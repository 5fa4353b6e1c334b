#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the format readers share for reading text in memory: lines, words, trimming, and the
// names a header row gives its columns.
namespace mst {

// The lines of a text, each without its end ("\n", "\r\n", or "\r" alone as old Macintosh
// programs and some spreadsheets end lines); the last also without one. A text ending in a
// line end has no empty line after it.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}
  // The next line, false at the end.
  bool Next(std::string_view& line);
  // The number of the line last given, from 1.
  [[nodiscard]] long long Number() const { return number_; }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
  long long number_ = 0;
};

// The words of a line, split at runs of blanks (spaces, tabs); views into line.
[[nodiscard]] std::vector<std::string_view> Words(std::string_view line);
// The fields of a line split at each tab, each trimmed of blanks.
[[nodiscard]] std::vector<std::string_view> TabFields(std::string_view line);

// text without white space (spaces, tabs, line ends) at either end.
[[nodiscard]] std::string_view Trim(std::string_view text);
[[nodiscard]] std::string Lower(std::string_view text);
// Whether text is a number as a measure may be written: an integer, or a decimal as C++ reads
// one (2.5, -1e-05, inf, nan), with an optional '+'.
[[nodiscard]] bool IsNumber(std::string_view text);
// The advice where a measure may stand under other names: "--weight year takes the measures
// from it", or for several "--weight year or --weight strength takes the measures from one of
// them" (names in single quotes where quoted is true, as a shell wants names of columns).
[[nodiscard]] std::string WeightChoices(const std::vector<std::string>& names, bool quoted);
// The names joined as "'a'", "'a' and 'b'", "'a', 'b' and 'c'".
[[nodiscard]] std::string Listed(const std::vector<std::string>& names);
// "line L: ", for the messages that name a line.
[[nodiscard]] std::string AtLine(long long line);
// text in single quotes for a message, cut to 40 bytes (on a UTF-8 character's start).
[[nodiscard]] std::string Quote(std::string_view text);

// What a header row's column name means: the source, the target or the measure of an edge, by
// the names spreadsheets, Gephi, pandas and graph tools give them (case aside); kNone else.
// Single letters (u, v, w, a, b) are not among them: they name nodes as often as columns.
enum class Role { kSource, kTarget, kWeight, kNone };
[[nodiscard]] Role RoleOfName(std::string_view name);
// The first names of a role, for messages: "source, from, src...".
[[nodiscard]] const char* RoleExamples(Role role);
// Whether the fields name a source and a target column (others may be anything: Gephi's Type
// and Id, pandas's unnamed index): a header row, not an edge.
[[nodiscard]] bool NamesColumns(const std::vector<std::string_view>& fields);

}  // namespace mst
