// Unit conversions beyond the whole blocks of cases/conversion.cases: a
// failing line drops only itself, and the conversions open the result text.
#include <string>
#include <vector>

#include "formulas/catalogue_run.h"
#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

constexpr int kThisYear = 2026;

TEST(ConversionUnits, OverflowDropsTheLineAndMarksTheInputInvalid) {
  const DomainBlock out = ConvertOnly({"1E308", " ", "mile", "", " ", " ", " 指定なし", kThisYear});
  EXPECT_EQ(out.text, "");
  EXPECT_TRUE(out.invalid);

  // A failing line drops only itself: for 1E308 l the sho figures overflow
  // while the gallon line of the same input stays.
  const DomainBlock all = ConvertOnly({"1E308", " ", "l", "", " ", " ", " 指定なし", kThisYear});
  const DomainBlock gallons = ConvertOnly({"1E308", " ", "l", "", " ", " ", "gal UK", kThisYear});
  EXPECT_TRUE(all.invalid);
  EXPECT_FALSE(gallons.invalid);
  EXPECT_EQ(SplitLines(gallons.text).size(), 1u);
  EXPECT_EQ(all.text, gallons.text);
}

TEST(ConversionUnits, OpensTheResultText) {
  const DomainBlock block = ConvertOnly({"1", "m", "m", "", " ", " ", " 指定なし", kThisYear});
  const RunOutput out = Calculate({"1", "m", "m", "", " ", " ", " 指定なし", kThisYear});
  ASSERT_FALSE(block.text.empty());
  EXPECT_EQ(out.output.substr(0, block.text.size()), block.text);
  EXPECT_FALSE(out.failed);
}

}  // namespace
}  // namespace tamrisk::testing
