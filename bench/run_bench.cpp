// One calculation run through the whole catalogue: an input that several
// rules answer, one that no rule takes, one that fires the resistor pair
// search, and a run over a synthetic catalogue
// of 1,400 rules spread over many unit pairs, to show that rules which cannot
// match cost nothing. Then the questions which units go together and which
// pairs give a result unit, asked by unit text, and the one-time work that
// answers them.
#include <benchmark/benchmark.h>

#include <array>
#include <utility>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/rules.h"
#include "engine/run.h"
#include "engine/unit_pairs.h"
#include "formulas/catalogue_run.h"

namespace {

using namespace tamrisk;

void BM_RunMatching(benchmark::State& state) {
  const RunInput in{"10", " ", "V", "5", " ", "Ω", " 指定なし", 2026};
  for (auto _ : state) benchmark::DoNotOptimize(Calculate(in));
}
BENCHMARK(BM_RunMatching);

// The same run with the formula of each line: compare with BM_RunMatching.
void BM_RunMatchingExplained(benchmark::State& state) {
  const RunInput in{"10", " ", "V", "5", " ", "Ω", " 指定なし", 2026};
  for (auto _ : state) benchmark::DoNotOptimize(CalculateExplained(in));
}
BENCHMARK(BM_RunMatchingExplained);

void BM_RunNoMatch(benchmark::State& state) {
  const RunInput in{"10", " ", "Hz", "5", " ", "g", " 指定なし", 2026};
  for (auto _ : state) benchmark::DoNotOptimize(Calculate(in));
}
BENCHMARK(BM_RunNoMatch);

// A run that fires the nearest E12/E24 pair search, the one rule that tries
// a whole table (28,224 pairs): 3.3 kΩ with the second parameter unitless.
void BM_RunResistorPairSearch(benchmark::State& state) {
  const RunInput in{"3.3", "k", "Ω", "1", " ", " ", " 指定なし", 2026};
  for (auto _ : state) benchmark::DoNotOptimize(Calculate(in));
}
BENCHMARK(BM_RunResistorPairSearch);

// 1,400 rules: 700 *either order* rows over distinct unit pairs of the
// catalogue, ten domains of 70.
constexpr std::size_t SyntheticRowsPerTable = 70;

template <std::size_t D>
constexpr auto MakeSyntheticRows() {
  std::array<std::string_view, UnitCatalogue.size()> names{};
  std::size_t count = 0;
  for (std::string_view u : UnitCatalogue) {
    if (!u.empty()) names[count++] = u;
  }
  std::array<RuleRow, SyntheticRowsPerTable> rows{};
  for (std::size_t k = 0; k < SyntheticRowsPerTable; ++k) {
    const std::size_t made = D * SyntheticRowsPerTable + k;
    const std::string_view a = names[made % count];
    const std::string_view b = names[(made / count + 1 + made) % count];
    rows[k] = Rule(Either(AcceptedUnits(a, a), AcceptedUnits(b, b)), Filter{"W"},
                   [](const Ctx& c) { return R{Eng5(c.Input().value1 * c.Input().value2)}; },
                   "● {r}W");
  }
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return TableRows{Doc({" ● synthetic"}), rows[I]...};
  }(std::make_index_sequence<SyntheticRowsPerTable>{});
}
template <std::size_t D>
constexpr auto SyntheticRows = MakeSyntheticRows<D>();
template <std::size_t D>
constexpr RuleTable SyntheticTable{SyntheticRows<D>};

std::vector<const FormulaDomain*> SyntheticCatalogue() {
  static const FormulaDomain owned[] = {
      {"Synthetic", 1, {SyntheticTable<0>}}, {"Synthetic", 1, {SyntheticTable<1>}},
      {"Synthetic", 1, {SyntheticTable<2>}}, {"Synthetic", 1, {SyntheticTable<3>}},
      {"Synthetic", 1, {SyntheticTable<4>}}, {"Synthetic", 1, {SyntheticTable<5>}},
      {"Synthetic", 1, {SyntheticTable<6>}}, {"Synthetic", 1, {SyntheticTable<7>}},
      {"Synthetic", 1, {SyntheticTable<8>}}, {"Synthetic", 1, {SyntheticTable<9>}},
  };
  std::vector<const FormulaDomain*> domains;
  for (const FormulaDomain& d : owned) domains.push_back(&d);
  return domains;
}

void BM_RunSynthetic1400(benchmark::State& state) {
  const std::vector<const FormulaDomain*> domains = SyntheticCatalogue();
  size_t rules = 0;
  for (const FormulaDomain* d : domains) rules += d->RuleCount();
  const RunInput in{"10", " ", "V", "5", " ", "Ω", " 指定なし", 2026};
  for (auto _ : state) benchmark::DoNotOptimize(RunCalculation(in, domains));
  state.counters["rules"] = static_cast<double>(rules);
}
BENCHMARK(BM_RunSynthetic1400);

// A question about a unit named by its text, asked of every catalogue unit
// in turn.
template <class Question>
void AskOfEveryUnit(benchmark::State& state, Question question) {
  const UnitPairs& pairs = CatalogueUnitPairs();
  std::size_t id = 1;
  std::size_t found = 0;
  for (auto _ : state) {
    const auto answer = question(pairs, UnitTexts[id]);
    benchmark::DoNotOptimize(answer.data());
    found += answer.size();
    id = id + 1 < UnitIdCount ? id + 1 : 1;
  }
  benchmark::DoNotOptimize(found);
}

// The partners of a unit.
void BM_PartnersOf(benchmark::State& state) {
  AskOfEveryUnit(state, [](const UnitPairs& p, std::string_view u) { return p.PartnersOf(u); });
}
BENCHMARK(BM_PartnersOf);

// The pairs that give a result unit.
void BM_ProducersOf(benchmark::State& state) {
  AskOfEveryUnit(state, [](const UnitPairs& p, std::string_view u) { return p.ProducersOf(u); });
}
BENCHMARK(BM_ProducersOf);

// Working out every answer from the catalogue, done once on the first
// question.
void BM_UnitPairsBuild(benchmark::State& state) {
  for (auto _ : state) {
    const UnitPairs pairs(AllDomains());
    benchmark::DoNotOptimize(pairs.PartnersOf(UnitId{2}).data());
  }
}
BENCHMARK(BM_UnitPairsBuild);

}  // namespace
