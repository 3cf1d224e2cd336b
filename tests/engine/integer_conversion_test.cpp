// The conversions by integer arithmetic (used where the standard library has
// no floating-point from_chars and to_chars) give exactly what from_chars and
// to_chars give, wherever they give anything.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "engine/numtext.h"
#include "engine/powers_of_ten.h"

namespace tamrisk {
namespace {

// The powers of ten that a double holds exactly are the products of tens.
constexpr bool ExactPowersOfTen() {
  double p = 1;
  for (int e = 0; e <= 22; ++e, p *= 10) {
    if (PowerOfTen(e) != p) return false;
  }
  return true;
}
static_assert(ExactPowersOfTen());
static_assert(PowerOfTen(-324) == 0 && PowerOfTen(-340) == 0);

// The double that from_chars reads from "1e<e>"; 0 where it says the number
// lies below the double range.
double ReadPowerOfTen(int e) {
  const std::string text = "1e" + std::to_string(e);
  double v = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
  if (res.ec == std::errc::result_out_of_range && e < 0) return 0;
  EXPECT_EQ(res.ec, std::errc()) << text;
  return v;
}

TEST(PowerOfTenTest, EveryPowerIsTheNearestDouble) {
  for (int e = -340; e <= 308; ++e) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(PowerOfTen(e)), std::bit_cast<std::uint64_t>(ReadPowerOfTen(e)))
        << "10^" << e;
  }
  EXPECT_EQ(PowerOfTen(-323), 1e-323);  // a denormal number
  EXPECT_EQ(PowerOfTen(308), 1e308);
}

// The 15 significant digits of |x| by to_chars, correctly rounded.
std::string ToCharsDigits(double x) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
  return std::string(buf, res.ptr);
}

std::string Digits(const Decimal15& d) {
  std::string s(1, d.digits[0]);
  s += '.';
  s.append(d.digits + 1, 14);
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "e%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
  return s + exponent;
}

TEST(IntegerConversionTest, FifteenDigitsAsToChars) {
  std::mt19937_64 random(22);
  std::uniform_real_distribution<double> decade(-18, 47);
  int covered = 0;
  auto check = [&](double x) {
    const std::optional<Decimal15> d = Decimal15ByIntegers(x);
    if (!d) return;
    ++covered;
    ASSERT_EQ(Digits(*d), ToCharsDigits(x)) << x;
  };
  for (int i = 0; i < 200000; ++i) {
    const double x = std::pow(10.0, decade(random));
    check(x);
    check(-std::nextafter(x, 0.0));
  }
  // Exact halves of the 15th digit round to even; values next to a power of
  // ten; the ends of the range.
  for (std::int64_t n : {1000000000000005, 1000000000000015, 9999999999999995, 9999999999999985,
                         1234567890123445, 1234567890123455}) {
    check(static_cast<double>(n));
    check(static_cast<double>(n) / 10);
    check(static_cast<double>(n) * 1024);
  }
  for (int e = -18; e <= 46; ++e) {
    const double p = PowerOfTen(e);
    for (double x : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), 9.999999999999995 * p,
                     0.5 * p, 2.5 * p}) {
      check(x);
    }
  }
  EXPECT_GT(covered, 390000);
  // Outside its range it gives nothing, and the caller converts slowly.
  EXPECT_FALSE(Decimal15ByIntegers(1e-19).has_value());
  EXPECT_FALSE(Decimal15ByIntegers(1e48).has_value());
  EXPECT_FALSE(Decimal15ByIntegers(std::numeric_limits<double>::denorm_min()).has_value());
  EXPECT_FALSE(Decimal15ByIntegers(0.0).has_value());
}

TEST(IntegerConversionTest, DecimalTextAsFromChars) {
  std::mt19937_64 random(22);
  int covered = 0;
  auto check = [&](const std::string& text) {
    const std::optional<double> v = DecimalToDoubleByIntegers(text);
    if (!v) return;
    ++covered;
    double expected = -1;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(res.ec, std::errc()) << text;
    ASSERT_EQ(*v, expected) << text;
  };
  for (int i = 0; i < 200000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 19);
    std::string text;
    for (int k = 0; k < digits; ++k) text.push_back(static_cast<char>('0' + random() % 10));
    if (random() % 2) text.insert(random() % (text.size() + 1), ".");
    if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 60) - 30);
    check(text);
  }
  for (const char* text : {"0", "0.0", "5.", ".5", "9007199254740992", "9007199254740993",
                           "1e22", "1e23", "1e-22", "0.1", "0.3", "123.456e-2", "4.35", "1e0",
                           "2.5e3", "0.000000000000000000000000001e26"}) {
    check(text);
  }
  EXPECT_GT(covered, 50000);
  EXPECT_EQ(DecimalToDoubleByIntegers("9007199254740993"), std::nullopt);  // 2^53 + 1
  EXPECT_EQ(DecimalToDoubleByIntegers("1e23"), std::nullopt);
  EXPECT_EQ(DecimalToDoubleByIntegers("12345678901234567890"), std::nullopt);
}

}  // namespace
}  // namespace tamrisk
