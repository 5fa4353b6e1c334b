#include "graph/integer_scanner.h"

namespace mst {

namespace {

bool IsSpace(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

}  // namespace

ScanResult ScanInteger(std::FILE* file, std::int32_t& value) {
  int c = std::getc(file);
  while (IsSpace(c)) {
    c = std::getc(file);
  }
  if (c == EOF) {
    return ScanResult::kEnd;
  }
  bool negative = false;
  if (c == '+' || c == '-') {
    negative = c == '-';
    c = std::getc(file);
  }
  if (!IsDigit(c)) {
    return ScanResult::kNotInteger;
  }
  // The magnitude saturates just past the range so that any number of digits is safe.
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  bool tooLarge = false;
  while (IsDigit(c)) {
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) {
      tooLarge = true;
      magnitude = limit;
    }
    c = std::getc(file);
  }
  if (c != EOF && !IsSpace(c)) {
    return ScanResult::kNotInteger;
  }
  if (tooLarge) {
    return ScanResult::kOutOfRange;
  }
  value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
  return ScanResult::kInteger;
}

}  // namespace mst
