// The whole catalogue over inputs that only rows without a physical answer
// would take: the run reports unfit input instead of writing a figure.
#include <gtest/gtest.h>

#include "formulas/catalogue_run.h"

namespace tamrisk::testing {
namespace {

TEST(CatalogueRun, InputsWithNoPhysicalAnswerGiveTheUnfitInputMessage) {
  const RunInput cases[] = {
      // A circular orbit of 1.4 hours would lie below the ground.
      {"1.4", " ", "hour", "", " ", " ", "m", 2026},
      // A voltage share of 150 % is never reached.
      {"1", "m", "sec", "150", " ", "%", "sec", 2026},
  };
  for (const RunInput& in : cases) {
    const RunOutput out = Calculate(in);
    EXPECT_EQ(out.output, InvalidInputMessage) << in.param1 << in.unit1;
    EXPECT_TRUE(out.failed);
    EXPECT_TRUE(out.invalidInput);
  }
}

}  // namespace
}  // namespace tamrisk::testing
