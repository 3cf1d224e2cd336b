// One calculation run through the whole catalogue: an input that several
// rules answer, one that no rule takes, one that fires the resistor pair
// search, and a run over a synthetic catalogue
// of 1,400 rules spread over many unit pairs, to show that rules which cannot
// match cost nothing.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/rules.h"
#include "engine/run.h"
#include "formulas/catalogue_run.h"

namespace {

using namespace tamrisk;

void BM_RunMatching(benchmark::State& state) {
  const RunInput in{"10", " ", "V", "5", " ", "Ω", " 指定なし", 2026};
  for (auto _ : state) benchmark::DoNotOptimize(Calculate(in));
}
BENCHMARK(BM_RunMatching);

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
// catalogue, ten domains.
std::vector<const FormulaDomain*> SyntheticCatalogue() {
  static std::vector<std::unique_ptr<FormulaDomain>> owned;
  std::vector<const FormulaDomain*> domains;
  if (owned.empty()) {
    static std::vector<std::string> names;
    for (std::string_view u : UnitCatalogue) {
      if (!u.empty()) names.emplace_back(u);
    }
    int made = 0;
    for (int d = 0; d < 10; ++d) {
      EntryTable table;
      for (int k = 0; k < 70; ++k, ++made) {
        const std::string& a = names[static_cast<size_t>(made) % names.size()];
        const std::string& b = names[(static_cast<size_t>(made) / names.size() + 1 + made) % names.size()];
        if (a == b) continue;
        table.push_back(Rule(Either(a.c_str(), b.c_str()), Filter{"W"},
                             [](const Ctx& c) { return R{Eng5(c.Input().value1 * c.Input().value2)}; },
                             "● {r}W"));
      }
      owned.push_back(std::make_unique<FormulaDomain>("Synthetic", 1, std::vector<EntryTable>{table}));
    }
  }
  for (const auto& d : owned) domains.push_back(d.get());
  return domains;
}

void BM_RunSynthetic1400(benchmark::State& state) {
  const std::vector<const FormulaDomain*> domains = SyntheticCatalogue();
  size_t rules = 0;
  for (const FormulaDomain* d : domains) rules += d->Rules().size();
  const RunInput in{"10", " ", "V", "5", " ", "Ω", " 指定なし", 2026};
  for (auto _ : state) benchmark::DoNotOptimize(RunCalculation(in, domains));
  state.counters["rules"] = static_cast<double>(rules);
}
BENCHMARK(BM_RunSynthetic1400);

}  // namespace
