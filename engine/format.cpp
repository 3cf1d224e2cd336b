#include "engine/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <span>

#include "engine/numtext.h"
#include "engine/powers_of_ten.h"

namespace tamrisk {

namespace {

// One row of a band table: magnitudes from 10^lowerExp up to the next row.
struct BandRow {
  int lowerExp;
  int factorExp;  // the band's prefix power of ten
  int decimals;
  const char* prefix;
};

struct Band {
  int factorExp;
  const char* prefix;
};

// The rows of a formatter: each band spans `Decades` decades, with
// `firstDecimals` decimals in its first decade and one fewer per decade;
// room for `Extra` rows more is left at the end.
template <size_t Decades, size_t Extra = 0, size_t Bands>
constexpr std::array<BandRow, Bands * Decades + Extra> Rows(const Band (&bands)[Bands],
                                                            int firstDecimals) {
  std::array<BandRow, Bands * Decades + Extra> rows{};
  size_t n = 0;
  for (const Band& b : bands) {
    for (int i = 0; i < static_cast<int>(Decades); ++i) {
      rows[n++] = {b.factorExp + i, b.factorExp, firstDecimals - i, b.prefix};
    }
  }
  return rows;
}

constexpr Band Eng5Bands[] = {{-24, "y"}, {-21, "z"}, {-18, "a"}, {-15, "f"}, {-12, "p"},
                              {-9, "n"},  {-6, "μ"},  {-3, "m"},  {0, ""},    {3, "k"},
                              {6, "M"},   {9, "G"},   {12, "T"},  {15, "P"},  {18, "E"},
                              {21, "Z"},  {24, "Y"}};
constexpr auto Eng5Rows = Rows<3>(Eng5Bands, 4);

constexpr Band Eng8Bands[] = {{-42, "z"}, {-36, "a"}, {-30, "f"}, {-24, "p"}, {-18, "n"},
                              {-12, "μ"}, {-6, "m"},  {0, ""},    {6, "k"},   {12, "M"},
                              {18, "G"},  {24, "T"},  {30, "P"},  {36, "E"}};
constexpr auto Eng8Rows = Rows<6>(Eng8Bands, 7);

constexpr Band Eng11Bands[] = {{-36, "p"}, {-27, "n"}, {-18, "μ"}, {-9, "m"},
                               {0, ""},    {9, "k"},   {18, "M"}};
constexpr auto Eng11Rows = [] {
  auto rows = Rows<9, 8>(Eng11Bands, 10);
  // The "G" band shows one digit fewer: 9 decimals from 10^27 down to 3
  // decimals at 10^33, and 2 decimals from 10^34 upward.
  for (int i = 0; i < 8; ++i) rows[rows.size() - 8 + i] = {27 + i, 27, 9 - i, "G"};
  return rows;
}();

std::string FormatWithRows(double x, std::span<const BandRow> rows) {
  if (x == 0) return "0";
  const double mag = std::fabs(x);
  // The last row whose lower bound the magnitude reaches; the lowest row
  // also takes every smaller magnitude.
  auto above = std::upper_bound(
      rows.begin() + 1, rows.end(), mag,
      [](double m, const BandRow& r) { return m < PowerOfTen(r.lowerExp); });
  const BandRow& row = *(above - 1);
  double scaled = x;
  if (row.factorExp < 0) scaled = x * PowerOfTen(-row.factorExp);
  else if (row.factorExp > 0) scaled = x / PowerOfTen(row.factorExp);
  return RoundHalfAway(scaled, row.decimals) + row.prefix;
}

std::string TwoDigits(std::string digits) {
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');
  return digits;
}

std::string WholeNumberText(double v) {
  return RoundHalfAway(v, 0);
}

}  // namespace

std::string FormatEng5(double x) { return FormatWithRows(x, Eng5Rows); }
std::string FormatEng8(double x) { return FormatWithRows(x, Eng8Rows); }
std::string FormatEng11(double x) { return FormatWithRows(x, Eng11Rows); }

std::string FormatHms(double x) {
  // A negative span is "-" and the span's magnitude. Fractions of a second
  // are cut from the value as a user reads it (15 significant digits), so
  // 14759.999999999998 s counts as 14760 s.
  const bool negative = x < 0;
  const double mag = std::fabs(x);
  std::string sign = negative ? "-" : "";
  const std::string whole = RoundHalfAway(mag, 15, 1);
  // `whole` holds the 15-digit value with its decimals; cut at the point.
  std::string intPart = whole.substr(0, whole.find('.'));
  if (intPart.size() <= 18) {
    std::uint64_t t = 0;
    std::from_chars(intPart.data(), intPart.data() + intPart.size(), t);
    const std::uint64_t hours = t / 3600;
    const std::uint64_t minutes = (t % 3600) / 60;
    const std::uint64_t seconds = t % 60;
    return sign + TwoDigits(std::to_string(hours)) + ":" + TwoDigits(std::to_string(minutes)) +
           ":" + TwoDigits(std::to_string(seconds));
  }
  // Beyond 10^18 s the whole-second count has no exact integer; work in doubles.
  const double t = std::floor(mag);
  const double hours = std::floor(t / 3600);
  const double rest = t - 3600 * hours;
  const double minutes = std::floor(rest / 60);
  const double seconds = std::floor(rest - 60 * minutes);
  return sign + TwoDigits(WholeNumberText(hours)) + ":" + TwoDigits(WholeNumberText(minutes)) +
         ":" + TwoDigits(WholeNumberText(seconds));
}

std::string FormatPattern(std::string_view pattern, double x) {
  size_t end = 0;
  int intZeros = 0;
  int decimals = 0;
  bool point = false;
  for (; end < pattern.size(); ++end) {
    char c = pattern[end];
    if (c == '0') {
      if (point) ++decimals;
      else ++intZeros;
    } else if (c == '.' && !point) {
      point = true;
    } else if (c != '#') {
      break;
    }
  }
  return RoundHalfAway(x, decimals, intZeros) + std::string(pattern.substr(end));
}

std::string FormatScientific(double x) {
  if (x == 0) return "0.00E+00";
  Decimal15 d = ToDecimal15(x);
  std::string n(d.digits, 3);
  int exponent = d.exponent;
  if (d.digits[3] >= '5') {
    int k = 2;
    while (k >= 0 && n[static_cast<size_t>(k)] == '9') n[static_cast<size_t>(k--)] = '0';
    if (k < 0) {
      n = "100";
      ++exponent;
    } else {
      ++n[static_cast<size_t>(k)];
    }
  }
  std::string out = x < 0 ? "-" : "";
  out += n.substr(0, 1) + "." + n.substr(1, 2) + "E" + (exponent < 0 ? "-" : "+");
  out += TwoDigits(std::to_string(std::abs(exponent)));
  return out;
}

}  // namespace tamrisk
