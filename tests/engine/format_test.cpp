#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "engine/format.h"

namespace tamrisk {
namespace {

struct Case {
  double x;
  const char* expected;
};

class Eng5Test : public ::testing::TestWithParam<Case> {};
TEST_P(Eng5Test, Writes) { EXPECT_EQ(FormatEng5(GetParam().x), GetParam().expected) << GetParam().x; }
INSTANTIATE_TEST_SUITE_P(
    Rows, Eng5Test,
    ::testing::Values(Case{0, "0"}, Case{-0.0, "0"}, Case{-0.0015, "-1.5000m"},
                      Case{5e-25, "0.5000y"}, Case{1e-30, "0.0000y"}, Case{0.0015, "1.5000m"},
                      Case{0.5, "500.00m"}, Case{1.5, "1.5000"}, Case{230, "230.00"},
                      Case{4700, "4.7000k"}, Case{1000, "1.0000k"}, Case{999.99, "999.99"},
                      Case{9.99996, "10.0000"}, Case{999.996, "1000.00"},
                      Case{9.999999999999998, "10.0000"}, Case{2.00005, "2.0001"},
                      Case{1.5e18, "1.5000E"}, Case{1e30, "1000000.00Y"}, Case{2, "2.0000"},
                      Case{0.04, "40.000m"}, Case{12.5, "12.500"}, Case{-2.5, "-2.5000"},
                      Case{1e-3, "1.0000m"}, Case{1e-24, "1.0000y"}, Case{3e25, "30.000Y"}));

class Eng8Test : public ::testing::TestWithParam<Case> {};
TEST_P(Eng8Test, Writes) { EXPECT_EQ(FormatEng8(GetParam().x), GetParam().expected) << GetParam().x; }
INSTANTIATE_TEST_SUITE_P(Rows, Eng8Test,
                         ::testing::Values(Case{1, "1.0000000"}, Case{1e6, "1.0000000k"},
                                           Case{2.5, "2.5000000"}, Case{2000000, "2.0000000k"},
                                           Case{3305.8, "3305.8000"}, Case{165.29, "165.29000"},
                                           Case{1e41, "100000.00E"}, Case{1e-43, "0.1000000z"},
                                           Case{0, "0"}));

class Eng11Test : public ::testing::TestWithParam<Case> {};
TEST_P(Eng11Test, Writes) {
  EXPECT_EQ(FormatEng11(GetParam().x), GetParam().expected) << GetParam().x;
}
INSTANTIATE_TEST_SUITE_P(
    Rows, Eng11Test,
    ::testing::Values(Case{1e9, "1.0000000000k"}, Case{1e27, "1.000000000G"},
                      Case{1e-36, "1.0000000000p"}, Case{5e-37, "0.5000000000p"},
                      Case{1e-28, "100000000.00p"}, Case{1e-16, "100.00000000μ"},
                      Case{1e33, "1000000.000G"}, Case{1e34, "10000000.00G"},
                      Case{1e35, "100000000.00G"}, Case{1, "1.0000000000"}));

TEST(FormatHmsTest, CutsFractionsAsTheUserReadsThem) {
  const Case cases[] = {
      {3725.9, "01:02:05"},        {360000, "100:00:00"},   {59.999, "00:00:59"},
      {14759.999999999998, "04:06:00"},  // 4.1 hours
      {-30, "-00:00:30"},          {0, "00:00:00"},         {1e13, "2777777777:46:40"},
      {-3725, "-01:02:05"},        {86399.5, "23:59:59"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatHms(c.x), c.expected) << c.x;
}

TEST(FormatPatternTest, RoundsHalfAwayOnTheReadValue) {
  struct P {
    const char* pattern;
    double x;
    const char* expected;
  };
  const P cases[] = {
      {"0.00", 1.005, "1.01"},        {"0.00", 2.675, "2.68"},
      {"0.00", 0.125, "0.13"},        {"0", 2.5, "3"},
      {"0", -2.5, "-3"},              {"00", 5, "05"},
      {"0.000", -0.0001, "-0.000"},   {"0.000", 0, "0.000"},
      {"0.000", -0.0, "0.000"},       {"###0.000", 12.3456, "12.346"},
      {"0.000dBm", 16.0206, "16.021dBm"}, {"###0.000dBμV", -3.5, "-3.500dBμV"},
      {"0.0000℃", 100.00008, "100.0001℃"}, {"0.00000day", 0.0010416666, "0.00104day"},
      {"0.000000000", 199.52623149688796, "199.526231497"}, {"0.0", 99.96, "100.0"},
  };
  for (const P& c : cases) EXPECT_EQ(FormatPattern(c.pattern, c.x), c.expected) << c.pattern << " " << c.x;
}

TEST(FormatScientificTest, TwoDecimalsAndSignedExponent) {
  const Case cases[] = {{12345, "1.23E+04"}, {0.05, "5.00E-02"}, {12250, "1.23E+04"},
                        {9.996, "1.00E+01"}, {-0.05, "-5.00E-02"}, {0, "0.00E+00"},
                        {1e-120, "1.00E-120"}};
  for (const Case& c : cases) EXPECT_EQ(FormatScientific(c.x), c.expected) << c.x;
}

}  // namespace
}  // namespace tamrisk
