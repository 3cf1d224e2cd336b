// Decimal texts read and 15-digit texts made: the powers of ten, the digits
// of a double and the reading of a decimal number, against known values and
// against what the standard library's from_chars and to_chars give.
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
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
    EXPECT_EQ(std::bit_cast<std::uint64_t>(PowerOfTen(e)),
              std::bit_cast<std::uint64_t>(ReadPowerOfTen(e)))
        << "10^" << e;
  }
  EXPECT_EQ(PowerOfTen(-323), 1e-323);  // a denormal number
  EXPECT_EQ(PowerOfTen(308), 1e308);
}

std::string Digits(const Decimal15& d) {
  return std::string(d.digits, sizeof d.digits) + " e" + std::to_string(d.exponent);
}

// The 15 significant digits of |x| by to_chars, correctly rounded, in the
// layout of Digits.
std::string ToCharsDigits(double x) {
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
  const std::string s(buf, res.ptr);  // d.dddddddddddddde[+-]dd
  return s.substr(0, 1) + s.substr(2, 14) + " e" + std::to_string(std::stoi(s.substr(17)));
}

TEST(ToDecimal15Test, KnownDigits) {
  struct C {
    double x;
    const char* digits;
  };
  const C cases[] = {
      {0, "000000000000000 e0"},
      {1, "100000000000000 e0"},
      {1500, "150000000000000 e3"},  // a whole number's shortest digits
      {0.00015, "150000000000000 e-4"},
      {1.5e-5, "150000000000000 e-5"},  // shortest digits with an exponent
      {1e16, "100000000000000 e16"},
      {1e22, "100000000000000 e22"},
      {0.1 + 0.2, "300000000000000 e-1"},  // 0.30000000000000004
      {2.0 / 3, "666666666666667 e-1"},
      {123456789012345.6, "123456789012346 e14"},
      {123456789012345678.0, "123456789012346 e17"},
      {9.999999999999998, "100000000000000 e1"},  // the carry makes a new first digit
      // Exact halves of the 15th digit round to the even digit.
      {1000000000000005, "100000000000000 e15"},
      {1000000000000015, "100000000000002 e15"},
      {1234567890123445, "123456789012344 e15"},
      {1234567890123455, "123456789012346 e15"},
      {1234567890123445.0 / 1024, "120563270519868 e12"},
      {0.5, "500000000000000 e-1"},
      // The ends of the range, and denormal numbers with fewer digits.
      {std::numeric_limits<double>::max(), "179769313486232 e308"},
      {std::numeric_limits<double>::min(), "222507385850720 e-308"},
      {std::numeric_limits<double>::denorm_min(), "494065645841247 e-324"},
      {1e-310, "999999999999997 e-311"},
  };
  for (const C& c : cases) {
    EXPECT_EQ(Digits(ToDecimal15(c.x)), c.digits) << c.x;
    EXPECT_EQ(Digits(ToDecimal15(-c.x)), c.digits) << -c.x;
  }
}

TEST(ToDecimal15Test, AsToCharsWrites) {
  std::mt19937_64 random(22);
  std::uniform_real_distribution<double> decade(-30, 50);
  auto check = [](double x) { ASSERT_EQ(Digits(ToDecimal15(x)), ToCharsDigits(x)) << x; };
  for (int i = 0; i < 200000; ++i) {
    const double x = std::pow(10.0, decade(random));
    check(x);
    check(-std::nextafter(x, 0.0));
    const double any = std::bit_cast<double>(random());  // anywhere in the range
    if (std::isfinite(any) && any != 0) check(any);
  }
  // Values next to a power of ten and halves of the 15th digit.
  for (int e = -320; e <= 307; ++e) {
    const double p = PowerOfTen(e);
    for (double x : {p, std::nextafter(p, 0.0), std::nextafter(p, 1e300), 9.999999999999995 * p,
                     0.5 * p, 2.5 * p}) {
      if (x != 0) check(x);
    }
  }
}

TEST(ParseNumberTest, ReadsTheNearestDouble) {
  const double min = std::numeric_limits<double>::min();
  const double denormMin = std::numeric_limits<double>::denorm_min();
  struct C {
    std::string text;
    double value;
  };
  const C cases[] = {
      {"0.1", 0.1},
      {"1e23", 1e23},
      {"9007199254740993", 9007199254740992},  // halfway: to the even one
      {"9007199254740995", 9007199254740996},
      {"1.00000000000000011102230246251565404236316680908203125", 1},  // halfway
      {"1.00000000000000011102230246251565404236316680908203126", std::nextafter(1.0, 2.0)},
      {"0.1000000000000000055511151231257827021181583404541015625", 0.1},  // 0.1 exactly
      {"1." + std::string(800, '0') + "1", 1},
      {"2.2250738585072011e-308", std::nextafter(min, 0.0)},
      {"2.2250738585072014e-308", min},
      {"4.9406564584124654e-324", denormMin},
      {"2.4703282292062328e-324", denormMin},  // just above half the smallest denormal
      {"2.4703282292062327e-324", 0},          // just below it
      {"1D-310", 1e-310},
  };
  for (const C& c : cases) {
    const std::optional<double> v = ParseNumber(c.text);
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(std::bit_cast<std::uint64_t>(*v), std::bit_cast<std::uint64_t>(c.value)) << c.text;
  }
}

TEST(ParseNumberTest, AsFromCharsReads) {
  std::mt19937_64 random(22);
  for (int i = 0; i < 200000; ++i) {
    const int digits = 1 + static_cast<int>(random() % 25);
    std::string text;
    for (int k = 0; k < digits; ++k) text.push_back(static_cast<char>('0' + random() % 10));
    if (random() % 2) text.insert(random() % (text.size() + 1), ".");
    if (random() % 2) text += "e" + std::to_string(static_cast<int>(random() % 561) - 280);
    double expected = -1;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), expected);
    ASSERT_EQ(res.ec, std::errc()) << text;
    const std::optional<double> v = ParseNumber(text);
    ASSERT_TRUE(v.has_value()) << text;
    ASSERT_EQ(*v, expected) << text;
  }
}

}  // namespace
}  // namespace tamrisk
