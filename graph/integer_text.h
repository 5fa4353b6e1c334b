#pragma once

#include <climits>
#include <string_view>

// Integers in text, as every reader of the project takes them: an optional sign ('+' or '-'),
// then one or more decimal digits, and nothing else (no blanks, no second sign). This is the
// one place that decides what an integer is; the network file reader, the format readers, the
// names and positions files and the command line all go through it.
namespace mst {

enum class IntegerText {
  kInteger,     // an integer within the asked range
  kNotInteger,  // not a sign and digits
  kOutOfRange,  // a sign and digits, but outside the range
};

// Parses all of text as an integer within [low, high]. Costs one pass over text; any number of
// digits is safe.
[[nodiscard]] IntegerText ParseInteger(std::string_view text, long long& value, long long low = LLONG_MIN,
                                       long long high = LLONG_MAX);

// ParseInteger == kInteger, for callers to whom every failure is the same.
[[nodiscard]] inline bool WholeNumber(std::string_view text, long long& value, long long low = LLONG_MIN,
                                      long long high = LLONG_MAX) {
  return ParseInteger(text, value, low, high) == IntegerText::kInteger;
}

}  // namespace mst
