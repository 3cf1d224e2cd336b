#include "engine/unit_pairs.h"

#include <algorithm>

#include "engine/formula_domain.h"

namespace tamrisk {

namespace {

// One rule for one ordered pair of input units under one filter unit, as one
// number that sorts by filter, then by pair.
class FilteredPair {
 public:
  FilteredPair(UnitId filter, UnitPair pair)
      : code_(std::uint32_t{filter} << 16 | std::uint32_t{pair.First()} << 8 | pair.Second()) {}

  UnitId Filter() const { return static_cast<UnitId>(code_ >> 16); }
  UnitPair Pair() const {
    return UnitPair(static_cast<UnitId>(code_ >> 8 & 0xFF), static_cast<UnitId>(code_ & 0xFF));
  }

  friend bool operator<(FilteredPair a, FilteredPair b) { return a.code_ < b.code_; }

 private:
  std::uint32_t code_;
};

// The number of rules of an ordered pair, from the counted pairs of one
// filter sorted by pair, 0 when it has none.
struct PairRun {
  UnitPair pair;
  std::uint16_t rules;
};
std::uint16_t RulesOf(std::span<const PairRun> runs, UnitPair pair) {
  const auto at = std::lower_bound(runs.begin(), runs.end(), pair,
                                   [](const PairRun& r, UnitPair p) { return r.pair < p; });
  return at != runs.end() && at->pair == pair ? at->rules : 0;
}

}  // namespace

UnitPairs::UnitPairs(std::span<const FormulaDomain* const> domains) {
  // Rules by ordered pair with no filter, and one key for each filter unit
  // of each rule of each pair.
  std::vector<std::uint16_t> rules(UnitIdCount * UnitIdCount, 0);
  std::vector<FilteredPair> filtered;
  auto count = [&](const RuleRow& row, UnitPair pair) {
    ++rules[pair.First() * UnitIdCount + pair.Second()];
    for (std::size_t f = 1; f < UnitIdCount; ++f) {
      const auto filter = static_cast<UnitId>(f);
      if (row.filter.units.Has(filter)) filtered.emplace_back(filter, pair);
    }
  };
  for (const FormulaDomain* domain : domains) {
    for (const RuleTable* table : domain->Tables()) {
      for (const PairRule& rule : table->pairRules) count(table->rows[rule.rule.Row()], rule.pair);
      // A parameter of several units: each catalogue unit it takes.
      for (const RuleNumber number : table->openRules) {
        const RuleRow& row = table->rows[number.Row()];
        const AcceptedUnits& at1 = number.Order() == 0 ? row.first : row.second;
        const AcceptedUnits& at2 = number.Order() == 0 ? row.second : row.first;
        for (std::size_t u1 = 1; u1 < UnitIdCount; ++u1) {
          if (!at1.Matches(static_cast<UnitId>(u1))) continue;
          for (std::size_t u2 = 1; u2 < UnitIdCount; ++u2) {
            if (at2.Matches(static_cast<UnitId>(u2))) {
              count(row, UnitPair(static_cast<UnitId>(u1), static_cast<UnitId>(u2)));
            }
          }
        }
      }
    }
  }

  for (std::size_t u = 1; u < UnitIdCount; ++u) {
    partnerStarts_[u] = static_cast<std::uint32_t>(partners_.size());
    for (std::size_t v = 1; v < UnitIdCount; ++v) {
      const std::uint16_t asSecond = rules[u * UnitIdCount + v];
      const std::uint16_t asFirst = rules[v * UnitIdCount + u];
      if (asSecond != 0 || asFirst != 0) {
        partners_.push_back({static_cast<UnitId>(v), asSecond, asFirst});
      }
    }
  }
  partnerStarts_[0] = 0;
  partnerStarts_[UnitIdCount] = static_cast<std::uint32_t>(partners_.size());

  std::sort(filtered.begin(), filtered.end());
  std::vector<PairRun> runs;
  std::vector<UnitPair> pairs;
  std::size_t next = 0;
  for (std::size_t f = 1; f < UnitIdCount; ++f) {
    producerStarts_[f] = static_cast<std::uint32_t>(producers_.size());
    // The ordered pairs of this filter with their numbers of rules, and the
    // same pairs each written first unit first.
    runs.clear();
    pairs.clear();
    for (; next < filtered.size() && filtered[next].Filter() == f; ++next) {
      const UnitPair pair = filtered[next].Pair();
      if (!runs.empty() && runs.back().pair == pair) {
        ++runs.back().rules;
        continue;
      }
      runs.push_back({pair, 1});
      const UnitId a = pair.First(), b = pair.Second();
      pairs.emplace_back(std::min(a, b), std::max(a, b));
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    for (const UnitPair pair : pairs) {
      const UnitId a = pair.First(), b = pair.Second();
      producers_.push_back({a, b, RulesOf(runs, pair), RulesOf(runs, UnitPair(b, a))});
    }
  }
  producerStarts_[0] = 0;
  producerStarts_[UnitIdCount] = static_cast<std::uint32_t>(producers_.size());
}

std::vector<UnitPartner> UnitPairs::PartnersUnder(UnitId unit, UnitId result) const {
  // The producers run by first unit: the pairs (x, unit) with x before the
  // unit come first, in order, then the pairs (unit, y).
  std::vector<UnitPartner> partners;
  if (unit == OtherUnit) return partners;
  for (const UnitPairCount& p : ProducersOf(result)) {
    if (p.unit1 == unit) {
      partners.push_back({p.unit2, p.forward, p.backward});
    } else if (p.unit2 == unit) {
      partners.push_back({p.unit1, p.backward, p.forward});
    }
  }
  return partners;
}

}  // namespace tamrisk
