#include "graph/integer_text.h"

#include <climits>

namespace mst {

IntegerText ParseInteger(std::string_view text, long long& value, long long low, long long high) {
  std::size_t k = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) ++k;
  if (k == text.size()) return IntegerText::kNotInteger;
  // The magnitude saturates just past any long long, so that any number of digits is safe; the
  // whole text is still checked for digits, so "99...9x" is not an integer at all.
  const unsigned long long limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
  unsigned long long magnitude = 0;
  bool tooLarge = false;
  for (; k < text.size(); ++k) {
    const char c = text[k];
    if (c < '0' || c > '9') return IntegerText::kNotInteger;
    const auto digit = static_cast<unsigned long long>(c - '0');
    if (magnitude > (limit - digit) / 10) {
      tooLarge = true;
    } else {
      magnitude = magnitude * 10 + digit;
    }
  }
  if (tooLarge) return IntegerText::kOutOfRange;
  const long long parsed = negative ? (magnitude == limit ? LLONG_MIN : -static_cast<long long>(magnitude))
                                    : static_cast<long long>(magnitude);
  if (parsed < low || parsed > high) return IntegerText::kOutOfRange;
  value = parsed;
  return IntegerText::kInteger;
}

}  // namespace mst
