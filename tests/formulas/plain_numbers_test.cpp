// The arithmetic on numbers without unit beyond the whole blocks of
// cases/plain_numbers.cases: fifteen-digit logarithms, and overflowing lines
// that leave the others in place.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

constexpr int kThisYear = 2026;

// log(1000)/log(10) is 2.9999999999999996, written with 15 digits as 3.
TEST(PlainNumberDomainTest, CommonLogarithmIsWrittenWithFifteenDigits) {
  const DomainBlock out =
      EvaluateOnly(PlainNumberDomain, {"1000", " ", " ", "", " ", " ", " 指定なし", kThisYear});
  const std::vector<std::string> lines = SplitLines(out.text);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0], "● log10( 1000 )＝  3");
  EXPECT_EQ(lines[1], "● log( 1000 )＝  6.90775527898214");
}

// Overflow drops only its own lines: the quotient by 1E-300 and the root of
// the squares overflow, 1E-300 / 1E+300 underflows to 0 and is written.
TEST(PlainNumberDomainTest, OverflowingLinesAreLeftOutAlone) {
  const DomainBlock out =
      EvaluateOnly(PlainNumberDomain, {"1E300", " ", " ", "1E-300", " ", " ", " 指定なし", kThisYear});
  EXPECT_TRUE(out.invalid);
  const std::vector<std::string> lines = SplitLines(out.text);
  EXPECT_EQ(lines.size(), 7u);
  const std::vector<std::string> expected = {
      "●  1E+300 × 1E-300 ＝  1＝ 1.0000",
      "●  1E-300 ／ 1E+300 ＝  0＝ 0",
      "●  1E+300 ＾ 1E-300 ＝  1＝ 1.0000",
  };
  for (const std::string& line : expected) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
  }
  for (const std::string& line : lines) {
    EXPECT_EQ(line.find("／ 1E-300"), std::string::npos) << line;
    EXPECT_EQ(line.find("√"), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace tamrisk::testing
