// Which units go together: the answers worked out from the unit-pair index
// against a walk over every rule of every table, for every unit and every
// result unit of the catalogue; then against calculation runs, and a few
// answers a user can check by hand.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/rules.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {
namespace {

std::string Text(UnitId id) { return "[" + std::string(UnitTexts[id]) + "]"; }

std::string Describe(const UnitPartner& p) {
  return Text(p.unit) + " " + std::to_string(p.asSecond) + "/" + std::to_string(p.asFirst);
}
std::string Describe(const UnitPairCount& p) {
  return Text(p.unit1) + Text(p.unit2) + " " + std::to_string(p.forward) + "/" +
         std::to_string(p.backward);
}
template <class T>
std::string Describe(std::span<const T> list) {
  std::string s;
  for (const T& item : list) s += Describe(item) + ", ";
  return s;
}

// The number of rules for every ordered pair of catalogue units, with no
// filter (`all`) and under each filter unit (`under`), found by trying every
// rule of every table in each of its input orders on every pair.
struct BruteForce {
  static constexpr std::size_t N = UnitIdCount;
  std::vector<int> all = std::vector<int>(N * N, 0);
  std::vector<int> under = std::vector<int>(N * N * N, 0);

  BruteForce() {
    for (const FormulaDomain* domain : AllDomains()) {
      for (const RuleTable* table : domain->Tables()) {
        for (const RuleRow& row : table->rows) {
          for (int order = 0; order < (row.eitherOrder ? 2 : 1); ++order) {
            const AcceptedUnits& at1 = order == 0 ? row.first : row.second;
            const AcceptedUnits& at2 = order == 0 ? row.second : row.first;
            for (std::size_t u1 = 1; u1 < N; ++u1) {
              for (std::size_t u2 = 1; u2 < N; ++u2) {
                if (!at1.Matches(static_cast<UnitId>(u1)) || !at2.Matches(static_cast<UnitId>(u2))) {
                  continue;
                }
                ++all[u1 * N + u2];
                for (std::size_t f = 1; f < N; ++f) {
                  if (row.filter.units.Has(static_cast<UnitId>(f))) ++under[(f * N + u1) * N + u2];
                }
              }
            }
          }
        }
      }
    }
  }
  int Rules(std::size_t u1, std::size_t u2) const { return all[u1 * N + u2]; }
  int Rules(std::size_t f, std::size_t u1, std::size_t u2) const { return under[(f * N + u1) * N + u2]; }
};

const BruteForce& Walk() {
  static const BruteForce walk;
  return walk;
}

TEST(UnitPairsTest, AgreeWithEveryRuleForEveryUnitAndResultUnit) {
  const UnitPairs& pairs = CatalogueUnitPairs();
  const BruteForce& walk = Walk();
  constexpr std::size_t N = BruteForce::N;
  std::size_t partnerCount = 0, producerCount = 0;
  for (std::size_t u = 1; u < N; ++u) {
    const auto unit = static_cast<UnitId>(u);
    std::vector<UnitPartner> expected;
    for (std::size_t v = 1; v < N; ++v) {
      const int asSecond = walk.Rules(u, v), asFirst = walk.Rules(v, u);
      if (asSecond || asFirst) {
        expected.push_back({static_cast<UnitId>(v), static_cast<std::uint16_t>(asSecond),
                            static_cast<std::uint16_t>(asFirst)});
      }
    }
    EXPECT_EQ(Describe(pairs.PartnersOf(unit)), Describe(std::span<const UnitPartner>(expected)))
        << "partners of " << Text(unit);
    EXPECT_EQ(pairs.PartnersOf(UnitTexts[u]).data(), pairs.PartnersOf(unit).data());
    partnerCount += expected.size();

    // The same unit as a result-unit filter: the pairs that give it, and
    // every unit's partners under it.
    std::vector<UnitPairCount> producers;
    for (std::size_t a = 1; a < N; ++a) {
      for (std::size_t b = a; b < N; ++b) {
        const int forward = walk.Rules(u, a, b), backward = walk.Rules(u, b, a);
        if (forward || backward) {
          producers.push_back({static_cast<UnitId>(a), static_cast<UnitId>(b),
                               static_cast<std::uint16_t>(forward),
                               static_cast<std::uint16_t>(backward)});
        }
      }
    }
    EXPECT_EQ(Describe(pairs.ProducersOf(unit)), Describe(std::span<const UnitPairCount>(producers)))
        << "producers of " << Text(unit);
    producerCount += producers.size();
    for (std::size_t w = 1; w < N; ++w) {
      std::vector<UnitPartner> under;
      for (std::size_t v = 1; v < N; ++v) {
        const int asSecond = walk.Rules(u, w, v), asFirst = walk.Rules(u, v, w);
        if (asSecond || asFirst) {
          under.push_back({static_cast<UnitId>(v), static_cast<std::uint16_t>(asSecond),
                           static_cast<std::uint16_t>(asFirst)});
        }
      }
      const std::vector<UnitPartner> got = pairs.PartnersUnder(static_cast<UnitId>(w), unit);
      EXPECT_EQ(Describe(std::span<const UnitPartner>(got)), Describe(std::span<const UnitPartner>(under)))
          << "partners of " << Text(static_cast<UnitId>(w)) << " under " << Text(unit);
    }
  }
  // The walk found something to compare: most units have partners, and
  // most filters producers.
  EXPECT_GT(partnerCount, 500u);
  EXPECT_GT(producerCount, 300u);
}

// A pair of units that is no one's partner gets the "no formula" message
// from a real calculation, in either order; a text outside the catalogue
// and the empty text of a spare list entry have no partners.
TEST(UnitPairsTest, PairsWithoutPartnersGiveNoFormula) {
  const UnitPairs& pairs = CatalogueUnitPairs();
  std::size_t runs = 0;
  for (std::size_t u = 1; u < UnitIdCount; ++u) {
    std::vector<bool> partner(UnitIdCount, false);
    for (const UnitPartner& p : pairs.PartnersOf(static_cast<UnitId>(u))) partner[p.unit] = true;
    for (std::size_t v = 1; v < UnitIdCount; ++v) {
      if (partner[v]) continue;
      RunInput in{"2", " ", std::string(UnitTexts[u]), "3", " ", std::string(UnitTexts[v]),
                  std::string(NoFilter), 2026};
      EXPECT_EQ(Calculate(in).output, NoFormulaMessage) << Text(static_cast<UnitId>(u)) << Text(static_cast<UnitId>(v));
      ++runs;
    }
  }
  EXPECT_GT(runs, 4000u);
  EXPECT_TRUE(pairs.PartnersOf("furlong").empty());
  EXPECT_TRUE(pairs.PartnersOf("").empty());
  EXPECT_TRUE(pairs.ProducersOf("furlong").empty());
  EXPECT_TRUE(pairs.PartnersUnder(OtherUnit, UnitIdOf("W")).empty());
}

// What a user finds by trying: the number of lines a run writes when every
// rule of the pair answers.
TEST(UnitPairsTest, CountsAreTheLinesARunWrites) {
  struct Case {
    const char* unit1;
    const char* value1;
    const char* unit2;
    const char* value2;
  };
  const Case cases[] = {
      {"V", "10", "Ω", "5"},     // Ohm's law and the source levels
      {"Hz", "1000", "H", "0.01"},  // a hidden unit of the default lists
      {"m", "100", "%", "5"},     // a ratio of a value of any unit
      {"%", "5", "%", "2"},       // ... of a value in % too, both ways round
      {"bps", "64000", "byte", "1000000"},
      {"Pa", "101300", " ", "1"},
  };
  const UnitPairs& pairs = CatalogueUnitPairs();
  for (const Case& c : cases) {
    RunInput in{c.value1, " ", c.unit1, c.value2, " ", c.unit2, std::string(NoFilter), 2026};
    const RunOutput out = Calculate(in);
    ASSERT_FALSE(out.failed) << c.unit1 << c.unit2;
    std::size_t lines = 0;
    for (std::size_t at = out.output.find("\r\n●"); at != std::string::npos;
         at = out.output.find("\r\n●", at + 2)) {
      ++lines;
    }
    lines += out.output.rfind("●", 0) == 0 ? 1 : 0;
    std::uint16_t counted = 0;
    for (const UnitPartner& p : pairs.PartnersOf(c.unit1)) {
      if (p.unit == UnitIdOf(c.unit2)) counted = p.asSecond;
    }
    EXPECT_EQ(counted, lines) << c.unit1 << " with " << c.unit2 << ":\n" << out.output;
  }
}

// The ratio rows take any unit but a few: every other unit is a partner of
// %, with the same rules in both orders; those excluded (which no other row
// pairs with %) are not.
TEST(UnitPairsTest, AnyUnitRowsCountForEachUnitTheyTake) {
  const UnitPairs& pairs = CatalogueUnitPairs();
  auto partnerOf = [&](std::string_view unit, std::string_view other) -> const UnitPartner* {
    for (const UnitPartner& p : pairs.PartnersOf(unit)) {
      if (p.unit == UnitIdOf(other)) return &p;
    }
    return nullptr;
  };
  for (const char* unit : {"m", "貫", "bps", "Ω", "ppm"}) {
    const UnitPartner* p = partnerOf("%", unit);
    ASSERT_NE(p, nullptr) << unit;
    EXPECT_GE(p->asFirst, 2) << unit;
    EXPECT_EQ(p->asFirst, p->asSecond) << unit;
  }
  for (const char* unit : {"K", "VSWR", "ﾟF"}) EXPECT_EQ(partnerOf("%", unit), nullptr) << unit;
  // A filter drops the rows that fire only without one.
  for (const UnitPartner& p : pairs.PartnersUnder(UnitIdOf("m"), UnitIdOf("m"))) {
    EXPECT_NE(p.unit, UnitIdOf("%"));
  }
}

}  // namespace
}  // namespace tamrisk
