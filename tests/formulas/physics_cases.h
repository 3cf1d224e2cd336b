// A physics test case: one input, the whole block the physics domain writes
// for it, whether a line failed, and whether the same block comes back when
// the two parameters change places.
#pragma once

#include <string>
#include <vector>

#include "engine/run.h"
#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {

struct PhysicsCase {
  RunInput in;
  std::vector<std::string> lines;
  bool invalid = false;
  bool sameWhenSwapped = false;
};

inline RunInput Swapped(const RunInput& in) {
  return {in.param2, in.subUnit2, in.unit2, in.param1, in.subUnit1, in.unit1, in.unit3, in.thisYear};
}

inline std::string Describe(const RunInput& in) {
  return "[" + in.param1 + "|" + in.subUnit1 + "|" + in.unit1 + "] [" + in.param2 + "|" +
         in.subUnit2 + "|" + in.unit2 + "] filter" + in.unit3;
}

template <size_t N>
void ExpectPhysics(const PhysicsCase (&cases)[N]) {
  for (const PhysicsCase& c : cases) {
    RunInput in = c.in;
    in.thisYear = 2026;
    SCOPED_TRACE(Describe(in));
    const DomainBlock out = EvaluateOnly(PhysicsDomain(), in);
    EXPECT_EQ(out.text, Lines(c.lines));
    EXPECT_EQ(out.invalid, c.invalid);
    if (!c.sameWhenSwapped) continue;
    const DomainBlock swapped = EvaluateOnly(PhysicsDomain(), Swapped(in));
    EXPECT_EQ(swapped.text, out.text) << "parameters swapped";
    EXPECT_EQ(swapped.invalid, c.invalid) << "parameters swapped";
  }
}

}  // namespace tamrisk::testing
