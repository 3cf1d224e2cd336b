// The nearest E12/E24 resistor pairs: the table of standard values, and the
// search against a plain trial of all 168 x 168 pairs in loop order. (The
// lines of the rule are in cases/circuits.cases.)
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "formulas/circuits/circuit_tables.h"
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tamrisk::testing
