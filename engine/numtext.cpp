#include "engine/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>

namespace tamrisk {

namespace {

bool IsIgnoredBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Calls `f` with each character of an entry text as the number reading sees
// it: the full-width forms of ASCII characters (U+FF01..U+FF5E), which a
// Japanese input method types, as their ASCII characters, U+2212 MINUS SIGN
// as "-" and U+3000 IDEOGRAPHIC SPACE as " "; every other byte as it is.
template <typename F>
void ForEachNarrowed(std::string_view text, F f) {
  const size_t n = text.size();
  for (size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0xE2 && i + 2 < n) {
      const auto b1 = static_cast<unsigned char>(text[i + 1]);
      const auto b2 = static_cast<unsigned char>(text[i + 2]);
      char narrow = 0;
      if (c == 0xEF && b1 == 0xBC && b2 >= 0x81 && b2 <= 0xBF) {
        narrow = static_cast<char>(0x21 + (b2 - 0x81));  // U+FF01..U+FF3F
      } else if (c == 0xEF && b1 == 0xBD && b2 >= 0x80 && b2 <= 0x9E) {
        narrow = static_cast<char>(0x60 + (b2 - 0x80));  // U+FF40..U+FF5E
      } else if (c == 0xE2 && b1 == 0x88 && b2 == 0x92) {
        narrow = '-';  // U+2212
      } else if (c == 0xE3 && b1 == 0x80 && b2 == 0x80) {
        narrow = ' ';  // U+3000
      }
      if (narrow != 0) {
        f(narrow);
        i += 2;
        continue;
      }
    }
    f(static_cast<char>(c));
  }
}

// Reads a decimal number (digits, an optional point and exponent) as
// std::from_chars does: a result beyond the type's range, or a number with a
// non-zero digit that rounds to zero, is out of range and leaves `value` as
// it was. Where the standard library has no floating-point from_chars, the
// C library's correctly rounded strtod and strtold give the same values.
template <typename Float>
std::errc ReadDecimal(std::string_view text, Float& value) {
#if defined(__cpp_lib_to_chars)
  return std::from_chars(text.data(), text.data() + text.size(), value,
                         std::chars_format::general).ec;
#else
  if constexpr (std::is_same_v<Float, double>) {
    if (const std::optional<double> v = DecimalToDoubleByIntegers(text)) {
      value = *v;
      return std::errc();
    }
  }
  const std::string s(text);
  Float v;
  if constexpr (std::is_same_v<Float, double>) {
    v = std::strtod(s.c_str(), nullptr);
  } else {
    v = std::strtold(s.c_str(), nullptr);
  }
  const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
  if (std::isinf(v) || (v == 0 && mantissa.find_first_of("123456789") != std::string_view::npos)) {
    return std::errc::result_out_of_range;
  }
  value = v;
  return std::errc();
#endif
}

// |x| in scientific notation: one digit, the point, `precision` digits
// (correctly rounded, ties to even), "e", the exponent's sign and digits; or,
// without a precision, the shortest digits that read back as x. Where the
// standard library has no floating-point to_chars the shortest form is not
// offered and the caller takes the exact one. Returns the end of the text.
char* WriteScientific(char* first, char* last, double x, int precision) {
#if defined(__cpp_lib_to_chars)
  if (precision < 0) return std::to_chars(first, last, x, std::chars_format::scientific).ptr;
  return std::to_chars(first, last, x, std::chars_format::scientific, precision).ptr;
#else
  const int n = std::snprintf(first, static_cast<size_t>(last - first), "%.*e", precision, x);
  return first + n;
#endif
}

#if defined(__cpp_lib_to_chars)
constexpr bool HasShortestDigits = true;
#else
constexpr bool HasShortestDigits = false;
#endif

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Reads digits of the given radix after "&H" or "&O".
std::optional<double> ParseRadix(std::string_view s, int radix) {
  double value = 0;
  for (char c : s) {
    int d = DigitValue(c);
    if (d >= radix) break;
    value = value * radix + d;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::string NarrowNumberText(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  ForEachNarrowed(text, [&s](char c) { s.push_back(c); });
  return s;
}

std::optional<double> ParseNumber(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  ForEachNarrowed(text, [&s](char c) {
    if (!IsIgnoredBlank(c)) s.push_back(c);
  });
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ParseRadix(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return ParseRadix(std::string_view(s).substr(2), 8);
    return 0.0;
  }

  // Longest leading decimal number: sign, digits with one point, exponent.
  std::string number;
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  bool anyDigit = false;
  bool point = false;
  // The power of ten of the first significant digit, before any exponent:
  // "120" gives 2, "0.05" gives -2. Only meaningful once a non-zero digit
  // has been seen.
  long long leadPower = 0;
  bool nonZeroSeen = false;
  int fractionZeros = 0;
  for (; i < s.size(); ++i) {
    char c = s[i];
    if (c >= '0' && c <= '9') {
      anyDigit = true;
      if (!nonZeroSeen) {
        if (c != '0') {
          nonZeroSeen = true;
          leadPower = point ? -(fractionZeros + 1) : 0;
        } else if (point) {
          ++fractionZeros;
        }
      } else if (!point) {
        ++leadPower;
      }
      number.push_back(c);
    } else if (c == '.' && !point) {
      point = true;
      number.push_back('.');
    } else {
      break;
    }
  }
  if (!anyDigit) return 0.0;
  long long e10 = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    std::string exponent = "e";
    bool expNegative = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      expNegative = s[j] == '-';
      exponent.push_back(s[j]);
      ++j;
    }
    bool expDigit = false;
    for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j) {
      exponent.push_back(s[j]);
      if (e10 < 100000000) e10 = e10 * 10 + (s[j] - '0');
      expDigit = true;
    }
    if (expNegative) e10 = -e10;
    if (expDigit) number += exponent;
  }
  double value = 0;
  const std::errc ec = ReadDecimal(number, value);
  if (ec == std::errc::result_out_of_range) {
    if (!nonZeroSeen) return 0.0;
    // A magnitude below one that no double holds is 0.
    if (leadPower + e10 < 0) return 0.0;
    // The largest double written with 15 digits (1.79769313486232E+308, as an
    // entry is rewritten) lies just above it: every number that rounds to
    // that text reads as the largest double, so a rewritten entry reads back.
    long double wide = 0;
    if (ReadDecimal(number, wide) == std::errc() && wide < 1.797693134862325e308L) {
      value = std::numeric_limits<double>::max();
    } else {
      return std::nullopt;
    }
  } else if (ec != std::errc()) {
    return 0.0;
  }
  if (!std::isfinite(value)) return std::nullopt;
  if (value == 0) return 0.0;  // never a negative zero
  return negative ? -value : value;
}

namespace {

// The 15 significant digits of |x|, correctly rounded (ties to even), by the
// slow exact conversion.
Decimal15 ExactDecimal15(double x) {
  Decimal15 d{};
  char buf[64];
  const char* end = WriteScientific(buf, buf + sizeof buf, std::fabs(x), 14);
  // Layout: d.dddddddddddddde[+-]xx
  const char* p = buf;
  d.digits[0] = *p++;
  ++p;  // '.'
  for (int k = 1; k < 15; ++k) d.digits[k] = *p++;
  ++p;  // 'e'
  int e = 0;
  std::from_chars(p[0] == '+' ? p + 1 : p, end, e);
  d.exponent = e;
  return d;
}

}  // namespace

Decimal15 ToDecimal15(double x) {
  Decimal15 d{};
  std::memset(d.digits, '0', sizeof d.digits);
  d.exponent = 0;
  if (x == 0 || !std::isfinite(x)) return d;
  if (!HasShortestDigits) {
    if (const std::optional<Decimal15> fast = Decimal15ByIntegers(x)) return *fast;
    return ExactDecimal15(x);
  }
  // A denormal number carries fewer digits than the reasoning below needs.
  if (std::fabs(x) < std::numeric_limits<double>::min()) return ExactDecimal15(x);
  // The shortest digits that read back as x. When there are at most 15 of
  // them they are also the 15-digit rounding of x (x lies closer to them
  // than half a unit of the 15th digit). With 16 or 17, rounding them to 15
  // gives the same result as rounding x itself unless they end exactly on a
  // half ("5" or "50" after the 15th digit); only then is the exact
  // conversion needed.
  char buf[64];
  const char* end = WriteScientific(buf, buf + sizeof buf, std::fabs(x), -1);
  char digits[17];
  int count = 0;
  const char* p = buf;
  digits[count++] = *p++;
  if (*p == '.') {
    ++p;
    while (*p != 'e') digits[count++] = *p++;
  }
  ++p;  // 'e'
  int exponent = 0;
  std::from_chars(p[0] == '+' ? p + 1 : p, end, exponent);
  if (count <= 15) {
    std::memcpy(d.digits, digits, static_cast<size_t>(count));
    d.exponent = exponent;
    return d;
  }
  const bool half = digits[15] == '5' && (count == 16 || digits[16] == '0');
  if (half) return ExactDecimal15(x);
  std::memcpy(d.digits, digits, 15);
  d.exponent = exponent;
  if (digits[15] >= '5') {
    int k = 14;
    while (k >= 0 && d.digits[k] == '9') d.digits[k--] = '0';
    if (k < 0) {
      d.digits[0] = '1';
      ++d.exponent;
    } else {
      ++d.digits[k];
    }
  }
  return d;
}

std::string FormatGeneral(double x) {
  // The layout of "%.15G": fixed notation for exponents from -4 to 14,
  // otherwise one digit, the point, the rest and "E", the sign and at least
  // two exponent digits; trailing zeros (and a trailing point) dropped.
  if (x == 0) return "0";
  const Decimal15 d = ToDecimal15(x);
  int last = 14;
  while (last > 0 && d.digits[last] == '0') --last;
  std::string s;
  s.reserve(24);
  if (x < 0) s.push_back('-');
  const int e = d.exponent;
  if (e >= -4 && e < 15) {
    if (e < 0) {
      s += "0.";
      s.append(static_cast<size_t>(-e - 1), '0');
      s.append(d.digits, static_cast<size_t>(last + 1));
    } else {
      // The whole part: the digits up to the exponent, padded with zeros.
      s.append(d.digits, static_cast<size_t>(std::min(last, e) + 1));
      for (int k = last + 1; k <= e; ++k) s.push_back('0');
      if (last > e) {
        s.push_back('.');
        s.append(d.digits + e + 1, static_cast<size_t>(last - e));
      }
    }
    return s;
  }
  s.push_back(d.digits[0]);
  if (last > 0) {
    s.push_back('.');
    s.append(d.digits + 1, static_cast<size_t>(last));
  }
  s.push_back('E');
  s.push_back(e < 0 ? '-' : '+');
  const int a = e < 0 ? -e : e;
  if (a < 10) s.push_back('0');
  s += std::to_string(a);
  return s;
}

std::string FormatSignReserving(double x) {
  if (x < 0) return FormatGeneral(x);
  return " " + FormatGeneral(x);
}

std::string RoundHalfAway(double x, int decimals, int minIntDigits) {
  std::string n;  // the digits of |x| * 10^decimals, rounded to an integer
  if (x == 0) {
    n = "0";
  } else {
    Decimal15 d = ToDecimal15(x);
    const int kept = d.exponent + 1 + decimals;  // digits that survive
    if (kept <= 0) {
      n = (kept == 0 && d.digits[0] >= '5') ? "1" : "0";
    } else if (kept >= 15) {
      n.assign(d.digits, 15);
      n.append(static_cast<size_t>(kept - 15), '0');
    } else {
      n.assign(d.digits, static_cast<size_t>(kept));
      if (d.digits[kept] >= '5') {
        int k = kept - 1;
        while (k >= 0 && n[static_cast<size_t>(k)] == '9') n[static_cast<size_t>(k--)] = '0';
        if (k < 0) n.insert(n.begin(), '1');
        else ++n[static_cast<size_t>(k)];
      }
    }
  }
  const size_t minLen = static_cast<size_t>(decimals + minIntDigits);
  if (n.size() < minLen) n.insert(0, minLen - n.size(), '0');
  std::string out;
  if (x < 0) out.push_back('-');
  out.append(n, 0, n.size() - static_cast<size_t>(decimals));
  if (decimals > 0) {
    out.push_back('.');
    out.append(n, n.size() - static_cast<size_t>(decimals), std::string::npos);
  }
  return out;
}

namespace {

using U128 = unsigned __int128;

// 5^0 .. 5^32.
constexpr auto PowersOf5 = [] {
  std::array<U128, 33> p{};
  p[0] = 1;
  for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 5;
  return p;
}();

// 10^0 .. 10^22: every one is a double exactly.
constexpr double ExactPowersOfTen[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

std::optional<double> DecimalToDoubleByIntegers(std::string_view text) {
  std::uint64_t mantissa = 0;
  int digits = 0;        // significant digits taken into the mantissa
  int pointShift = 0;    // digits after the point
  bool point = false;
  bool any = false;
  size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (c < '0' || c > '9') break;
    any = true;
    if (mantissa == 0 && c == '0') {
      if (point) ++pointShift;
      continue;
    }
    if (++digits > 19) return std::nullopt;
    mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    if (point) ++pointShift;
  }
  if (!any) return std::nullopt;
  int exponent = 0;
  if (i < text.size()) {
    if (text[i] != 'e' && text[i] != 'E') return std::nullopt;
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    for (; i < text.size(); ++i) {
      if (text[i] < '0' || text[i] > '9' || exponent > 1000) return std::nullopt;
      exponent = exponent * 10 + (text[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  if (mantissa == 0) return 0.0;
  // Both factors are exact doubles, so the one product or quotient is the
  // correctly rounded value.
  if (mantissa > (std::uint64_t{1} << 53)) return std::nullopt;
  const int e = exponent - pointShift;
  if (e < -22 || e > 22) return std::nullopt;
  const auto m = static_cast<double>(mantissa);
  return e >= 0 ? m * ExactPowersOfTen[e] : m / ExactPowersOfTen[-e];
}

std::optional<Decimal15> Decimal15ByIntegers(double x) {
  x = std::fabs(x);
  if (!(x >= std::numeric_limits<double>::min()) || !std::isfinite(x)) return std::nullopt;
  // x = m * 2^q exactly, m below 2^53 (a normal number: the leading bit set).
  std::uint64_t bits = 0;
  std::memcpy(&bits, &x, sizeof bits);
  const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int q = static_cast<int>(bits >> 52) - 1075;
  constexpr U128 Low = 100000000000000;  // 10^14
  constexpr U128 High = Low * 10;        // 10^15
  // The power of ten of the first digit: x lies in [2^(q+52), 2^(q+53)), so
  // it is floor((q + 52) * log10(2)) or one more; 78913 / 2^18 is log10(2)
  // to six places, exact enough for these exponents.
  int k = ((q + 52) * 78913) >> 18;
  for (int attempt = 0; attempt < 3; ++attempt) {
    // x * 10^s, which has 15 digits before the point, as num / den.
    const int s = 14 - k;
    if (s > 32 || s < -32) return std::nullopt;  // beyond 128 bits
    const int shift = q + s;
    if (shift > 74 || shift < -120) return std::nullopt;
    // t = floor(x * 10^s), and the sign of the remainder less one half.
    U128 t = 0;
    int overHalf = -1;
    if (s >= 0) {
      const U128 num = m * PowersOf5[static_cast<size_t>(s)];
      if (shift >= 0) {
        t = num << shift;
      } else {
        t = num >> -shift;
        const U128 rest = num & ((U128{1} << -shift) - 1);
        const U128 half = U128{1} << (-shift - 1);
        overHalf = rest < half ? -1 : rest > half ? 1 : 0;
      }
    } else {
      U128 num = m;
      U128 den = PowersOf5[static_cast<size_t>(-s)];  // with the shift, below 2^110: twice the rest fits
      if (shift >= 0) {
        num <<= shift;
      } else {
        den <<= -shift;
      }
      t = num / den;
      const U128 twiceRest = 2 * (num - t * den);
      overHalf = twiceRest < den ? -1 : twiceRest > den ? 1 : 0;
    }
    if (t >= High) {
      ++k;
      continue;
    }
    if (t < Low) {
      --k;
      continue;
    }
    // Round half to even.
    if (overHalf > 0 || (overHalf == 0 && (t & 1) != 0)) ++t;
    if (t == High) {
      t = Low;
      ++k;
    }
    Decimal15 d{};
    auto digits = static_cast<std::uint64_t>(t);
    for (int i = 14; i >= 0; --i) {
      d.digits[i] = static_cast<char>('0' + static_cast<int>(digits % 10));
      digits /= 10;
    }
    d.exponent = k;
    return d;
  }
  return std::nullopt;
}

}  // namespace tamrisk
