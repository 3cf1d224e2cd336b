// The nearest E12/E24 resistor pairs: the table of standard values, the
// search against a plain trial of all 168 x 168 pairs in loop order, and the
// four lines of the rule for exact pairs, a tie, targets no pair reaches
// closely, and targets that have no answer.
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "formulas/circuits/circuit_tables.h"
#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

TEST(E24Table, HoldsTheNearestFloatOfEveryDecimalValue) {
  const char* const mantissas[24] = {"1.0", "1.1", "1.2", "1.3", "1.5", "1.6", "1.8", "2.0",
                                     "2.2", "2.4", "2.7", "3.0", "3.3", "3.6", "3.9", "4.3",
                                     "4.7", "5.1", "5.6", "6.2", "6.8", "7.5", "8.2", "9.1"};
  for (int d = 0; d < 7; ++d) {
    for (int k = 0; k < 24; ++k) {
      const std::string decimal = std::string(mantissas[k]) + "e" + std::to_string(d);
      EXPECT_EQ(E24Table[static_cast<size_t>(24 * d + k)], std::strtof(decimal.c_str(), nullptr))
          << decimal;
    }
  }
  EXPECT_EQ(static_cast<double>(E24Table[1]), 1.10000002384185791015625);
  EXPECT_EQ(E24Table[24], 10.0f);
  EXPECT_EQ(E24Table[143], 910000.0f);
  EXPECT_EQ(E24Table[144], 1e6f);
  EXPECT_EQ(E24Table[167], 9100000.0f);
}

// The search as plainly stated: every pair in loop order, R1 outer, each
// value and error computed in double precision and rounded to single
// precision, a record replaced only by a strictly smaller error, records
// starting from an infinite error.
std::vector<ResistorPair> TryEveryPair(float target) {
  struct Record {
    ResistorPair pair;
    float error = std::numeric_limits<float>::infinity();
  };
  Record e12s, e12p, e24s, e24p;
  auto offer = [&](Record& r, float value, float r1, float r2) {
    const float error = static_cast<float>(std::abs((double{value} - target) / target));
    if (error < r.error) r = Record{{r1, r2, value}, error};
  };
  for (size_t i = 0; i < 168; ++i) {
    for (size_t j = 0; j < 168; ++j) {
      const double r1 = E24Table[i];
      const double r2 = E24Table[j];
      const auto s = static_cast<float>(r1 + r2);
      const auto p = static_cast<float>(1 / (1 / r1 + 1 / r2));
      offer(e24s, s, E24Table[i], E24Table[j]);
      offer(e24p, p, E24Table[i], E24Table[j]);
      if (i % 2 == 0 && j % 2 == 0) {
        offer(e12s, s, E24Table[i], E24Table[j]);
        offer(e12p, p, E24Table[i], E24Table[j]);
      }
    }
  }
  return {e12s.pair, e12p.pair, e24s.pair, e24p.pair};
}

TEST(NearestResistorPairs, AgreesWithTryingEveryPairInLoopOrder) {
  std::vector<float> targets = {0.3f,  0.5f,  1.0f,   2.0f,   2.2f,    47.0f,  1000.0f,
                                3300.0f, 5000.0f, 8.2e5f, 1.82e6f, 2e6f, 1.82e7f, 1e30f};
  // 25 targets a decade from 0.1 Ω to 100 MΩ, between and on the table values.
  for (int k = 0; k <= 225; ++k) targets.push_back(static_cast<float>(std::pow(10.0, -1 + k / 25.0)));
  for (const float target : targets) {
    const auto found = NearestResistorPairs(target);
    ASSERT_TRUE(found.has_value()) << target;
    const std::vector<ResistorPair> expected = TryEveryPair(target);
    for (size_t n = 0; n < 4; ++n) {
      EXPECT_EQ((*found)[n].r1, expected[n].r1) << target << " record " << n;
      EXPECT_EQ((*found)[n].r2, expected[n].r2) << target << " record " << n;
      EXPECT_EQ((*found)[n].value, expected[n].value) << target << " record " << n;
    }
  }
}

struct PairCase {
  const char* typed;
  const char* prefix;
  bool ohmsFirst;
  const char* filter;
  std::vector<std::string> lines;
  bool invalid = false;
};

const PairCase kPairCases[] = {
    {"2", " ", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 2Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E12系列抵抗器の並列接続で 2Ωに最も近い組合せは 2.2000Ω//22.000Ω=2.0000Ω",
      "● E24系列抵抗器の直列接続で 2Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E24系列抵抗器の並列接続で 2Ωに最も近い組合せは 2.2000Ω//22.000Ω=2.0000Ω"}},
    {"3.3", "k", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 3.3kΩに最も近い組合せは 1.5000kΩ＋1.8000kΩ=3.3000kΩ",
      "● E12系列抵抗器の並列接続で 3.3kΩに最も近い組合せは 3.3000kΩ//8.2000MΩ=3.2987kΩ",
      "● E24系列抵抗器の直列接続で 3.3kΩに最も近い組合せは 300.00Ω＋3.0000kΩ=3.3000kΩ",
      "● E24系列抵抗器の並列接続で 3.3kΩに最も近い組合せは 3.3000kΩ//9.1000MΩ=3.2988kΩ"}},
    {"3.3", "k", false, "Ω",
     {"● E12系列抵抗器の直列接続で 3.3kΩに最も近い組合せは 1.5000kΩ＋1.8000kΩ=3.3000kΩ",
      "● E12系列抵抗器の並列接続で 3.3kΩに最も近い組合せは 3.3000kΩ//8.2000MΩ=3.2987kΩ",
      "● E24系列抵抗器の直列接続で 3.3kΩに最も近い組合せは 300.00Ω＋3.0000kΩ=3.3000kΩ",
      "● E24系列抵抗器の並列接続で 3.3kΩに最も近い組合せは 3.3000kΩ//9.1000MΩ=3.2988kΩ"}},
    // The table reaches 9.1 MΩ: pairs of megohms, exact where one exists.
    {"2", "M", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 2MΩに最も近い組合せは 1.0000MΩ＋1.0000MΩ=2.0000MΩ",
      "● E12系列抵抗器の並列接続で 2MΩに最も近い組合せは 2.7000MΩ//8.2000MΩ=2.0312MΩ",
      "● E24系列抵抗器の直列接続で 2MΩに最も近い組合せは 200.00kΩ＋1.8000MΩ=2.0000MΩ",
      "● E24系列抵抗器の並列接続で 2MΩに最も近い組合せは 3.3000MΩ//5.1000MΩ=2.0036MΩ"}},
    {"4.7", "M", false, " 指定なし",
     {"● E12系列抵抗器の直列接続で 4.7MΩに最も近い組合せは 1.0000Ω＋4.7000MΩ=4.7000MΩ",
      "● E12系列抵抗器の並列接続で 4.7MΩに最も近い組合せは 8.2000MΩ//8.2000MΩ=4.1000MΩ",
      "● E24系列抵抗器の直列接続で 4.7MΩに最も近い組合せは 1.1000MΩ＋3.6000MΩ=4.7000MΩ",
      "● E24系列抵抗器の並列接続で 4.7MΩに最も近い組合せは 9.1000MΩ//9.1000MΩ=4.5500MΩ"}},
    // Parallel pairs above 455 kΩ need megohm values.
    {"820", "k", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 820kΩに最も近い組合せは 1.0000Ω＋820.00kΩ=820.00kΩ",
      "● E12系列抵抗器の並列接続で 820kΩに最も近い組合せは 1.5000MΩ//1.8000MΩ=818.18kΩ",
      "● E24系列抵抗器の直列接続で 820kΩに最も近い組合せは 200.00kΩ＋620.00kΩ=820.00kΩ",
      "● E24系列抵抗器の並列接続で 820kΩに最も近い組合せは 910.00kΩ//8.2000MΩ=819.10kΩ"}},
    // 1.1 kΩ // 11 kΩ is exactly 1 kΩ when the reciprocals are summed in
    // double precision.
    {"1", "k", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 1kΩに最も近い組合せは 180.00Ω＋820.00Ω=1.0000kΩ",
      "● E12系列抵抗器の並列接続で 1kΩに最も近い組合せは 1.0000kΩ//8.2000MΩ=999.88Ω",
      "● E24系列抵抗器の直列接続で 1kΩに最も近い組合せは 180.00Ω＋820.00Ω=1.0000kΩ",
      "● E24系列抵抗器の並列接続で 1kΩに最も近い組合せは 1.1000kΩ//11.000kΩ=1.0000kΩ"}},
    // Exact ties: 300 Ω + 4.7 kΩ comes before 2 kΩ + 3 kΩ, and 7.5 kΩ //
    // 15 kΩ before 10 kΩ // 10 kΩ.
    {"5", "k", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 5kΩに最も近い組合せは 270.00Ω＋4.7000kΩ=4.9700kΩ",
      "● E12系列抵抗器の並列接続で 5kΩに最も近い組合せは 10.000kΩ//10.000kΩ=5.0000kΩ",
      "● E24系列抵抗器の直列接続で 5kΩに最も近い組合せは 300.00Ω＋4.7000kΩ=5.0000kΩ",
      "● E24系列抵抗器の並列接続で 5kΩに最も近い組合せは 7.5000kΩ//15.000kΩ=5.0000kΩ"}},
    // No series pair comes within 100 %: the nearest is still named.
    {"0.5", " ", false, " 指定なし",
     {"● E12系列抵抗器の直列接続で 0.5Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E12系列抵抗器の並列接続で 0.5Ωに最も近い組合せは 1.0000Ω//1.0000Ω=500.00mΩ",
      "● E24系列抵抗器の直列接続で 0.5Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E24系列抵抗器の並列接続で 0.5Ωに最も近い組合せは 1.0000Ω//1.0000Ω=500.00mΩ"}},
    // Every error rounds to 1: the first pair tried stays.
    {"1E30", " ", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 1E+30Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E12系列抵抗器の並列接続で 1E+30Ωに最も近い組合せは 1.0000Ω//1.0000Ω=500.00mΩ",
      "● E24系列抵抗器の直列接続で 1E+30Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E24系列抵抗器の並列接続で 1E+30Ωに最も近い組合せは 1.0000Ω//1.0000Ω=500.00mΩ"}},
    // Small, yet 2 Ω is only 2 x 10^38 times too large: still finite.
    {"1E-38", " ", true, " 指定なし",
     {"● E12系列抵抗器の直列接続で 1E-38Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E12系列抵抗器の並列接続で 1E-38Ωに最も近い組合せは 1.0000Ω//1.0000Ω=500.00mΩ",
      "● E24系列抵抗器の直列接続で 1E-38Ωに最も近い組合せは 1.0000Ω＋1.0000Ω=2.0000Ω",
      "● E24系列抵抗器の並列接続で 1E-38Ωに最も近い組合せは 1.0000Ω//1.0000Ω=500.00mΩ"}},
    {"2", " ", true, "V",
     {}},
    // No answer: none of the four lines, and the input is reported unfit.
    {"0", " ", true, " 指定なし", {}, true},
    {"-100", " ", false, " 指定なし", {}, true},
    // Every series error overflows, though the parallel ones do not.
    {"3E-39", " ", true, " 指定なし", {}, true},
    // Beyond single precision.
    {"1E39", " ", true, " 指定なし", {}, true},
};

const FormulaDomain& ResistorPairsOnly() {
  static const FormulaDomain domain("ResistorPairs", ElectronicsCategory, {ESeriesTable});
  return domain;
}

TEST(NearestResistorPairLines, FourLinesOrNone) {
  for (const PairCase& c : kPairCases) {
    const RunInput in = c.ohmsFirst ? RunInput{c.typed, c.prefix, "Ω", "", " ", " ", c.filter, 2026}
                                    : RunInput{"", " ", " ", c.typed, c.prefix, "Ω", c.filter, 2026};
    const DomainBlock block = EvaluateOnly(ResistorPairsOnly(), in);
    EXPECT_EQ(SplitLines(block.text), c.lines) << c.typed << c.prefix;
    EXPECT_EQ(block.invalid, c.invalid) << c.typed << c.prefix;
  }
}

}  // namespace
}  // namespace tamrisk::testing
