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

template <size_t N>
void ExpectPhysics(const PhysicsCase (&cases)[N]) {
  for (const PhysicsCase& c : cases) {
    RunInput in = c.in;
    in.thisYear = 2026;
    ExpectBlock(PhysicsDomain, in, c.lines, c.invalid, c.sameWhenSwapped);
  }
}

}  // namespace tamrisk::testing
