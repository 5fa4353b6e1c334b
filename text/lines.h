#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text in memory as every reader splits it: lines (whatever ends them), words, fields split at
// tabs, trimming, and the pieces of messages that name a line or quote a piece of text.
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
// "line L: ", for the messages that name a line.
[[nodiscard]] std::string AtLine(long long line);
// text in single quotes for a message, cut to 40 bytes (on a UTF-8 character's start).
[[nodiscard]] std::string Quote(std::string_view text);

}  // namespace mst
