// The whole catalogue over inputs that only rows without a physical answer
// would take: the run reports unfit input instead of writing a figure.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "formulas/catalogue_run.h"
#include "formulas/domains.h"

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

// The domains run in their fixed order, each named as it is declared, and
// put their sections into their category of the formula list document.
TEST(CatalogueRun, DomainsInRunOrderWithTheirNamesAndCategories) {
  const std::pair<const FormulaDomain*, int> expected[] = {
      {&ConversionDomain, ConversionCategory},     {&MathDomain, MathCategory},
      {&PhysicsDomain, PhysicsCategory},           {&EarthScienceDomain, EarthScienceCategory},
      {&DailyLifeDomain, DailyLifeCategory},       {&CircuitDomain, ElectronicsCategory},
      {&RadioDomain, ElectronicsCategory},         {&InformationDomain, InformationCategory},
      {&PhotographyDomain, PhotographyCategory},   {&PlainNumberDomain, PlainNumberCategory},
  };
  const std::string_view names[] = {
      "ConversionDomain", "MathDomain",        "PhysicsDomain", "EarthScienceDomain",
      "DailyLifeDomain",  "CircuitDomain",     "RadioDomain",   "InformationDomain",
      "PhotographyDomain", "PlainNumberDomain",
  };
  ASSERT_EQ(AllDomains().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(AllDomains()[i], expected[i].first) << i;
    EXPECT_EQ(AllDomains()[i]->Name(), names[i]) << i;
    EXPECT_EQ(AllDomains()[i]->Category(), expected[i].second) << names[i];
  }
}

}  // namespace
}  // namespace tamrisk::testing
