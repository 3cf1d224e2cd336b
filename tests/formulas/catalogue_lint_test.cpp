// Every rule of every domain, evaluated with matching units over a spread of
// values, in strict mode: a rule whose computation or condition names a unit
// it does not have stops the test instead of silently losing its line. (What
// a row shows by itself, such as a line that does not fit the computation's
// results, stops the compilation.)
#include <string>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/rules.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {
namespace {

// A unit text the parameter accepts: the first catalogue unit it takes (" "
// counting first).
std::string UnitFor(const AcceptedUnits& accepted) {
  for (std::size_t id = 1; id < UnitIdCount; ++id) {
    if (accepted.Matches(static_cast<UnitId>(id))) return std::string(UnitTexts[id]);
  }
  return "m";
}

TEST(CatalogueLintTest, EveryRuleIsWellFormed) {
  FormulaDomain::strictRules = true;
  const double values[] = {1, 2.5, 1000, 0.001, -3, 0, 1e6, 2019};
  size_t rules = 0;
  for (const FormulaDomain* domain : AllDomains()) {
    for (const RuleTable* table : domain->Tables()) {
      for (const RuleRow& row : table->rows) {
        for (int order = 0; order < (row.eitherOrder ? 2 : 1); ++order) {
          ++rules;
          CalcInput in;
          in.unit1 = UnitFor(order == 0 ? row.first : row.second);
          in.unit2 = UnitFor(order == 0 ? row.second : row.first);
          in.prefix1 = in.prefix2 = " ";
          std::vector<std::string> filters{std::string(NoFilter)};
          for (std::size_t id = 1; id < UnitIdCount; ++id) {
            if (row.filter.units.Has(static_cast<UnitId>(id))) filters.emplace_back(UnitTexts[id]);
          }
          for (const std::string& filter : filters) {
            in.filter = filter;
            for (double v1 : values) {
              for (double v2 : values) {
                in.value1 = v1;
                in.value2 = v2;
                in.label1 = MakeLabel(v1, " ", in.unit1);
                in.label2 = MakeLabel(v2, " ", in.unit2);
                bool invalid = false;
                EXPECT_NO_THROW(domain->Evaluate(in, 2026, invalid))
                    << domain->Name() << ": " << row.line.Text();
              }
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(rules, [] {
    size_t n = 0;
    for (const FormulaDomain* domain : AllDomains()) n += domain->RuleCount();
    return n;
  }()) << "every rule is indexed once";
}

}  // namespace
}  // namespace tamrisk
