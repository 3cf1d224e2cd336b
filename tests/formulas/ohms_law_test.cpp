#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/calc_input.h"
#include "engine/rules.h"
#include "formulas/circuits/circuit_tables.h"
#include "ohms_law_cases.h"

namespace tamrisk {
namespace {

std::vector<std::string> Lines(const std::string& block) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < block.size()) {
    const size_t end = block.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) break;
    lines.push_back(block.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

const FormulaDomain& OhmsLawOnly() {
  static const FormulaDomain domain("OhmsLaw", 5, {OhmsLawTable});
  return domain;
}

TEST(OhmsLawTest, WholeLines) {
  FormulaDomain::strictRules = true;
  for (const OhmCase& c : kOhmCases) {
    const auto n = NormalizeInput(RunInput{c.p1, c.s1, c.u1, c.p2, c.s2, c.u2, c.filter, 2026});
    ASSERT_TRUE(n);
    bool invalid = false;
    EXPECT_EQ(Lines(OhmsLawOnly().Evaluate(n->input, 2026, invalid)), c.lines) << c.note;
  }
}

TEST(OhmsLawTest, ZeroResistanceDropsEveryLineAndRaisesTheFlag) {
  const auto n = NormalizeInput(RunInput{"10", " ", "V", "0", " ", "Ω", " 指定なし", 2026});
  bool invalid = false;
  EXPECT_EQ(OhmsLawOnly().Evaluate(n->input, 2026, invalid), "");
  EXPECT_TRUE(invalid);
}

TEST(OhmsLawTest, NegativePowerDropsBothFiguresOfTheWaveformLine) {
  // The dBm figure of a negative power fails, so the watt figure goes too.
  const auto n = NormalizeInput(RunInput{"10", " ", "V", "-5", " ", "Ω", "dBm", 2026});
  bool invalid = false;
  EXPECT_EQ(OhmsLawOnly().Evaluate(n->input, 2026, invalid), "");
  EXPECT_TRUE(invalid);
}

}  // namespace
}  // namespace tamrisk
