#include "graph/integer_scanner.h"

#include <cstdint>

#include "graph/integer_text.h"

namespace mst {

namespace {

bool IsSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Where the scanner's bytes come from: a file, or text in memory. Get returns EOF at the end.
struct FileBytes {
  std::FILE* file;
  int Get() { return std::getc(file); }
};

struct TextBytes {
  std::string_view text;
  std::size_t& at;
  int Get() { return at < text.size() ? static_cast<unsigned char>(text[at++]) : EOF; }
};

template <typename Bytes>
ScanResult Scan(Bytes bytes, std::int32_t& value) {
  int c = bytes.Get();
  while (IsSpace(c)) c = bytes.Get();
  if (c == EOF) return ScanResult::kEnd;
  // A word longer than any 32-bit integer's text is kept only as far as needed to tell a long
  // number (out of range) from something else.
  // Leading zeros are passed over (00000000000000000000005 is 5), one kept for a zero itself.
  char word[24];
  std::size_t length = 0;
  bool digitsOnly = true;
  bool leading = true;  // no digit but zeros kept yet
  bool zeros = false;   // zeros passed over
  for (; c != EOF && !IsSpace(c); c = bytes.Get()) {
    const bool sign = length == 0 && !zeros && (c == '+' || c == '-');
    if (!sign && (c < '0' || c > '9')) digitsOnly = false;
    if (!sign && c == '0' && leading) {
      zeros = true;
      continue;
    }
    if (!sign) leading = false;
    if (length < sizeof word) word[length] = static_cast<char>(c);
    ++length;
  }
  if (zeros && leading) {
    if (length < sizeof word) word[length] = '0';
    ++length;
  }
  long long parsed = 0;
  if (length > sizeof word) return digitsOnly ? ScanResult::kOutOfRange : ScanResult::kNotInteger;
  switch (ParseInteger(std::string_view(word, length), parsed, INT32_MIN, INT32_MAX)) {
    case IntegerText::kInteger:
      value = static_cast<std::int32_t>(parsed);
      return ScanResult::kInteger;
    case IntegerText::kOutOfRange:
      return ScanResult::kOutOfRange;
    case IntegerText::kNotInteger:
      break;
  }
  return ScanResult::kNotInteger;
}

}  // namespace

ScanResult ScanInteger(std::FILE* file, std::int32_t& value) { return Scan(FileBytes{file}, value); }

ScanResult ScanInteger(std::string_view text, std::size_t& at, std::int32_t& value) {
  return Scan(TextBytes{text, at}, value);
}

}  // namespace mst
