#include "engine/numtext.h"

#include <fast_float/fast_float.h>
#include <fmt/compile.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

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

// The double nearest to a decimal number (digits with at most one point, an
// optional "e", sign and digits), read by fast_float: a number beyond the
// double range gives infinity, a non-zero number below half the smallest
// denormal gives 0.
double ReadDecimal(std::string_view text) {
  double value = 0;
  const fast_float::from_chars_result r =
      fast_float::from_chars(text.data(), text.data() + text.size(), value);
  if (r.ec != std::errc()) return 0;
  return value;
}

// True when the significant digits of a decimal number (leading zeros, the
// point and any exponent aside), read as d.ddd..., are below `bound`'s; both
// may end in zeros.
bool SignificandBelow(std::string_view number, std::string_view bound) {
  std::string digits;
  for (char c : number) {
    if (c == 'e') break;
    if (c == '.' || (digits.empty() && c == '0')) continue;
    digits.push_back(c);
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  while (!bound.empty() && bound.back() == '0') bound.remove_suffix(1);
  // Without trailing zeros, the order of the texts is the order of the numbers.
  return std::string_view(digits) < bound;
}

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
  double value = ReadDecimal(number);
  // Also a non-zero number below half the smallest denormal: no double holds it.
  if (value == 0) return 0.0;  // never a negative zero
  if (std::isinf(value)) {
    // The largest double written with 15 digits (1.79769313486232E+308, as
    // an entry is rewritten) lies just above it: every number that rounds to
    // that text reads as the largest double, so a rewritten entry reads back.
    if (leadPower + e10 != 308 || !SignificandBelow(number, "1797693134862325")) {
      return std::nullopt;
    }
    value = std::numeric_limits<double>::max();
  }
  return negative ? -value : value;
}

namespace {

// The 15 significant digits of x > 0, correctly rounded (ties to even), by
// fmt's exact conversion: "d.dddddddddddddde+dd".
Decimal15 ExactDecimal15(double x) {
  char buf[32];
  const char* end = fmt::format_to(buf, FMT_COMPILE("{:.14e}"), x);
  Decimal15 d{};
  d.digits[0] = buf[0];
  std::memcpy(d.digits + 1, buf + 2, 14);
  const char* p = buf + 17;  // the exponent's sign
  const bool negative = *p++ == '-';
  int e = 0;
  for (; p < end; ++p) e = e * 10 + (*p - '0');
  d.exponent = negative ? -e : e;
  return d;
}

// The shortest digits that read back as x > 0 (at most 17) and the power of
// ten of the first: fmt's Dragonbox conversion, the one behind its shortest
// texts (a function of the library's binary interface), without making the
// text around the digits.
struct ShortestDigits {
  char digits[20];
  int count;
  int exponent;
};

ShortestDigits Shortest(double x) {
  const fmt::detail::dragonbox::decimal_fp<double> dec = fmt::detail::dragonbox::to_decimal(x);
  ShortestDigits s{};
  s.count = static_cast<int>(
      std::to_chars(s.digits, s.digits + sizeof s.digits, dec.significand).ptr - s.digits);
  s.exponent = dec.exponent + s.count - 1;
  return s;
}

}  // namespace

Decimal15 ToDecimal15(double x) {
  Decimal15 d{};
  std::memset(d.digits, '0', sizeof d.digits);
  d.exponent = 0;
  if (x == 0 || !std::isfinite(x)) return d;
  x = std::fabs(x);
  // A denormal number carries fewer digits than the reasoning below needs.
  if (x < std::numeric_limits<double>::min()) return ExactDecimal15(x);
  // The shortest digits that read back as x. When there are at most 15 of
  // them they are also the 15-digit rounding of x (x lies closer to them
  // than half a unit of the 15th digit). With 16 or 17, rounding them to 15
  // gives the same result as rounding x itself unless they end exactly on a
  // half ("5" or "50" after the 15th digit); only then is the exact
  // conversion needed.
  const ShortestDigits s = Shortest(x);
  if (s.count <= 15) {
    std::memcpy(d.digits, s.digits, static_cast<size_t>(s.count));
    d.exponent = s.exponent;
    return d;
  }
  const bool half = s.digits[15] == '5' && (s.count == 16 || s.digits[16] == '0');
  if (half) return ExactDecimal15(x);
  std::memcpy(d.digits, s.digits, 15);
  d.exponent = s.exponent;
  if (s.digits[15] >= '5') {
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

}  // namespace tamrisk
