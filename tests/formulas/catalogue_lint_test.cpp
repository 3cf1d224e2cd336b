// Every rule of every domain, evaluated with matching units over a spread of
// values, in strict mode: a rule that names a unit it does not have, or whose
// computation returns more or fewer results than its line has placeholders,
// stops the test instead of silently losing its line.
#include <string>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/rules.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {
namespace {

// A unit text the parameter accepts: its first listed unit, or for a
// parameter that takes any unit but a few, the first catalogue unit it takes.
std::string UnitFor(const AcceptedUnits& accepted) {
  if (accepted.kind != AcceptedUnits::Kind::AnyExcept) return accepted.units.front();
  for (std::string_view u : UnitCatalogue) {
    if (!u.empty() && accepted.Matches(u)) return std::string(u);
  }
  return "m";
}

TEST(CatalogueLintTest, EveryRuleIsWellFormed) {
  FormulaDomain::strictRules = true;
  const double values[] = {1, 2.5, 1000, 0.001, -3, 0, 1e6, 2019};
  size_t rules = 0;
  for (const FormulaDomain* domain : AllDomains()) {
    for (const FormulaRule& rule : domain->Rules()) {
      ++rules;
      CalcInput in;
      std::string units[2];
      units[rule.param[0] - 1] = UnitFor(*rule.slot[0]);
      units[rule.param[1] - 1] = UnitFor(*rule.slot[1]);
      in.unit1 = units[0];
      in.unit2 = units[1];
      in.prefix1 = in.prefix2 = " ";
      std::vector<std::string> filters{std::string(NoFilter)};
      for (const std::string& f : rule.row->filter.units) filters.push_back(f);
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
                << domain->Name() << ": " << rule.row->line;
          }
        }
      }
    }
  }
  EXPECT_GT(rules, 0u);
}

}  // namespace
}  // namespace tamrisk
