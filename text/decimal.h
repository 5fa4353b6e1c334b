#pragma once

#include <string_view>

// Decimal numbers as people and programs write them, parsed alike on every standard library
// (libc++ before 17 has no floating-point std::from_chars): an optional sign, digits with an
// optional point and fraction (or a point and a fraction), an optional exponent; or inf,
// infinity and nan, case aside. The whole text, without blanks; no hexadecimal.
namespace mst {

enum class Decimal { kNone, kNumber, kOutOfRange };

// Parses text into value, correctly rounded (strtod, in the "C" locale every program here keeps).
// kOutOfRange: a number whose magnitude no double holds (value is then +-HUGE_VAL, or 0 for an
// underflow). Costs the text's length.
[[nodiscard]] Decimal ParseDecimal(std::string_view text, double& value);

// Whether text is a number ParseDecimal takes (out of range included).
[[nodiscard]] bool IsNumber(std::string_view text);

}  // namespace mst
