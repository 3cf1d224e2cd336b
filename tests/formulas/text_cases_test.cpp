// The calculation cases of tests/formulas/cases/: each input run through its
// domain alone (or the tables the case names), the whole block compared line
// by line, and whether a line failed.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formulas/catalogue_run.h"
#include "formulas/circuits/circuit_tables.h"
#include "tests/formulas/case_file.h"
#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {
namespace {

// The tables a case file may narrow a domain to, by name.
const std::map<std::string, const RuleTable*>& NamedTables() {
  static const std::map<std::string, const RuleTable*> tables = {
      {"OhmsLaw", &OhmsLawTable},
      {"DecibelsRanges", &DecibelsRangesTable},
      {"Combinations", &CombinationsTable},
      {"ESeries", &ESeriesTable},
      {"ReactancePulses", &ReactancePulsesTable},
      {"ChargeEnergy", &ChargeEnergyTable},
      {"Levels", &LevelsTable},
      {"AttenuatorsAmplifiers", &AttenuatorsAmplifiersTable},
      {"TransientsWires", &TransientsWiresTable},
  };
  return tables;
}

// The domain a case runs in: a domain of the catalogue, or only the named
// tables of one, kept in the domain's order.
const FormulaDomain* CaseDomain(const TextCase& c) {
  const FormulaDomain* whole = nullptr;
  for (const FormulaDomain* d : AllDomains()) {
    if (d->Name() == c.domain) whole = d;
  }
  if (!whole || c.tables.empty()) return whole;
  static std::map<std::string, std::unique_ptr<FormulaDomain>> narrowed;
  std::string key = c.domain;
  for (const std::string& t : c.tables) key += " " + t;
  auto& domain = narrowed[key];
  if (!domain) {
    std::vector<const RuleTable*> wanted;
    for (const std::string& name : c.tables) {
      const auto found = NamedTables().find(name);
      if (found == NamedTables().end()) return nullptr;
      wanted.push_back(found->second);
    }
    std::vector<const RuleTable*> kept;
    for (const RuleTable* t : whole->Tables()) {
      if (std::find(wanted.begin(), wanted.end(), t) != wanted.end()) kept.push_back(t);
    }
    if (kept.size() != wanted.size()) return nullptr;  // a table of another domain
    auto make = [&](auto... t) {
      return std::make_unique<FormulaDomain>(key, whole->Category(),
                                             std::initializer_list<FormulaDomain::TableRef>{*t...});
    };
    switch (kept.size()) {
      case 1: domain = make(kept[0]); break;
      case 2: domain = make(kept[0], kept[1]); break;
      case 3: domain = make(kept[0], kept[1], kept[2]); break;
      case 4: domain = make(kept[0], kept[1], kept[2], kept[3]); break;
      case 5: domain = make(kept[0], kept[1], kept[2], kept[3], kept[4]); break;
      default: return nullptr;
    }
  }
  return domain.get();
}

class TextCases : public ::testing::TestWithParam<std::string> {};

TEST_P(TextCases, WholeBlocks) {
  const CaseFile file = ReadCaseFile(std::filesystem::path(TAMRISK_CASES_DIR) / GetParam());
  EXPECT_EQ(file.errors, std::vector<std::string>{});
  ASSERT_FALSE(file.cases.empty());
  for (const TextCase& c : file.cases) {
    SCOPED_TRACE(c.where);
    const FormulaDomain* domain = CaseDomain(c);
    ASSERT_NE(domain, nullptr) << "no domain " << c.domain << " with those tables";
    ASSERT_FALSE(c.inputs.empty());
    for (const RunInput& in : c.inputs) ExpectBlock(*domain, in, c.lines, c.invalid);
  }
}

std::vector<std::string> CaseFileNames() {
  std::vector<std::string> names;
  for (const auto& path : CaseFilePaths(TAMRISK_CASES_DIR)) names.push_back(path.filename().string());
  return names;
}

INSTANTIATE_TEST_SUITE_P(Files, TextCases, ::testing::ValuesIn(CaseFileNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param.substr(0, info.param.find('.'));
                         });

// The reader itself: what each kind of line means, and the mistakes it names.
TEST(CaseFileReader, ReadsEveryKindOfLineAndNamesItsMistakes) {
  const std::string path = ::testing::TempDir() + "reader_test.cases";
  {
    std::ofstream out(path);
    out << "# comment\n"
           "domain: CircuitDomain\n"
           "tables: OhmsLaw ESeries\n"
           "\n"
           "input: 4.7 k Ω | 3 m A | W\n"
           "input: \"\" | 1 k gal UK\n"
           "invalid\n"
           "this year: 2030\n"
           "● a line\n"
           "　　 its second line\n"
           "\n"
           "domain: RadioDomain\n"
           "input: 1 gal US | 2 a\n"
           "(no lines)\n"
           "\n"
           "input: 1 V\n"
           "(no lines)\n"
           "\n"
           "input: 1 V | 2 V\n"
           "\n"
           "stray\n"
           "input: 1 V | 2 V\n"
           "(no lines)\n"
           "● after no lines\n";
  }
  const CaseFile file = ReadCaseFile(path);
  ASSERT_EQ(file.cases.size(), 5u);
  const TextCase& first = file.cases[0];
  EXPECT_EQ(first.where, "reader_test.cases:5");
  EXPECT_EQ(first.domain, "CircuitDomain");
  EXPECT_EQ(first.tables, (std::vector<std::string>{"OhmsLaw", "ESeries"}));
  ASSERT_EQ(first.inputs.size(), 2u);
  const RunInput& a = first.inputs[0];
  EXPECT_EQ((std::vector<std::string>{a.param1, a.subUnit1, a.unit1, a.param2, a.subUnit2, a.unit2, a.unit3}),
            (std::vector<std::string>{"4.7", "k", "Ω", "3", "m", "A", "W"}));
  const RunInput& b = first.inputs[1];
  EXPECT_EQ((std::vector<std::string>{b.param1, b.subUnit1, b.unit1, b.param2, b.subUnit2, b.unit2, b.unit3}),
            (std::vector<std::string>{"", " ", " ", "1", "k", "gal UK", " 指定なし"}));
  EXPECT_EQ(a.thisYear, 2030);
  EXPECT_EQ(b.thisYear, 2030);
  EXPECT_TRUE(first.yearGiven);
  EXPECT_TRUE(first.invalid);
  EXPECT_EQ(first.lines, (std::vector<std::string>{"● a line", "　　 its second line"}));
  EXPECT_EQ(InputText(a), "4.7 k Ω | 3 m A | W");
  EXPECT_EQ(InputText(b), "\"\" | 1 k gal UK");

  const TextCase& second = file.cases[1];
  EXPECT_EQ(second.domain, "RadioDomain");
  EXPECT_TRUE(second.tables.empty()) << "a new domain takes all its tables";
  ASSERT_EQ(second.inputs.size(), 1u);
  EXPECT_EQ(second.inputs[0].unit1, "gal US");
  EXPECT_EQ(second.inputs[0].unit2, "a") << "one word after the number is the unit";
  EXPECT_EQ(second.inputs[0].thisYear, kCaseYear);
  EXPECT_FALSE(second.yearGiven);
  EXPECT_FALSE(second.invalid);
  EXPECT_TRUE(second.lines.empty());

  EXPECT_EQ(file.errors, (std::vector<std::string>{
                             "reader_test.cases:16: an input is \"parameter | parameter\" or "
                             "\"parameter | parameter | result unit\"",
                             "reader_test.cases:20: a case without its lines or \"(no lines)\"",
                             "reader_test.cases:21: expected \"input:\", \"domain:\" or a comment",
                             "reader_test.cases:24: lines after \"(no lines)\"",
                         }));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace tamrisk::testing
