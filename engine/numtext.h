// Locale-independent number texts: the number-parsing rule of the entries,
// the general 15-digit format, the sign-reserving format of labels, and the
// decimal rounding shared by every result formatter. Decimal texts are read
// by fast_float and digits made by fmt, in the native programs and the page
// alike.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tamrisk {

// Reads the longest leading number of an entry text. The full-width forms of
// ASCII characters (U+FF01..U+FF5E, as a Japanese input method types them)
// read as their ASCII characters, U+2212 MINUS SIGN as "-", U+3000
// IDEOGRAPHIC SPACE as a blank. Blanks, tabs and line feeds are ignored
// anywhere; "E"/"D" exponents in either case; "&H" and "&O" radix prefixes.
// No number gives 0. Returns nothing when the number lies beyond the double
// range.
std::optional<double> ParseNumber(std::string_view text);

// The text as ParseNumber sees it before it reads: the full-width forms as
// their ASCII characters, U+2212 as "-", U+3000 as " ".
std::string NarrowNumberText(std::string_view text);

// 15 significant digits, trailing zeros dropped, exponent form "1E+15" for
// very large or small magnitudes (the digits and layout of "%.15G").
std::string FormatGeneral(double x);

// A blank before zero or a positive number, "-" before a negative one, then
// the general format's digits.
std::string FormatSignReserving(double x);

// The value as a user reads it (15 significant digits) rounded half away from
// zero to `decimals` places, with at least `minIntDigits` digits before the
// point. A negative value keeps its "-" even when it rounds to zero; zero
// itself, also negative zero, has no sign.
std::string RoundHalfAway(double x, int decimals, int minIntDigits = 1);

// The 15 significant decimal digits of |x|, correctly rounded (ties to even),
// and the power of ten of the first one: |x| = d0.d1d2...d14 x 10^exponent.
// For x == 0 the digits are zeros and the exponent is 0.
struct Decimal15 {
  char digits[15];
  int exponent;
};
Decimal15 ToDecimal15(double x);

}  // namespace tamrisk
