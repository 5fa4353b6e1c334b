#include "text/decimal.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace mst {

namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }

bool Word(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t k = 0; k < text.size(); ++k) {
    const char c = text[k] >= 'A' && text[k] <= 'Z' ? static_cast<char>(text[k] - 'A' + 'a') : text[k];
    if (c != word[k]) return false;
  }
  return true;
}

// Whether text has the grammar above (the sign aside).
bool Grammar(std::string_view text) {
  if (Word(text, "inf") || Word(text, "infinity") || Word(text, "nan")) return true;
  std::size_t k = 0;
  std::size_t digits = 0;
  while (k < text.size() && Digit(text[k])) ++k, ++digits;
  if (k < text.size() && text[k] == '.') {
    ++k;
    while (k < text.size() && Digit(text[k])) ++k, ++digits;
  }
  if (digits == 0) return false;
  if (k < text.size() && (text[k] == 'e' || text[k] == 'E')) {
    ++k;
    if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
    const std::size_t exponent = k;
    while (k < text.size() && Digit(text[k])) ++k;
    if (k == exponent) return false;
  }
  return k == text.size();
}

}  // namespace

Decimal ParseDecimal(std::string_view text, double& value) {
  std::string_view unsigned_ = text;
  if (!unsigned_.empty() && (unsigned_[0] == '+' || unsigned_[0] == '-')) unsigned_.remove_prefix(1);
  if (!Grammar(unsigned_)) return Decimal::kNone;
  const std::string copy(text);  // strtod wants a terminated string
  errno = 0;
  char* end = nullptr;
  value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size()) return Decimal::kNone;
  // strtod's ERANGE also marks numbers below the smallest normal double: only an overflow, or an
  // underflow to zero, is out of range.
  if (errno == ERANGE && (std::isinf(value) || value == 0)) return Decimal::kOutOfRange;
  return Decimal::kNumber;
}

bool IsNumber(std::string_view text) {
  double value = 0;
  return ParseDecimal(text, value) != Decimal::kNone;
}

}  // namespace mst
