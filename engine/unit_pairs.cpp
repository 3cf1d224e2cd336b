#include "engine/unit_pairs.h"

#include <algorithm>

#include "engine/rules.h"

namespace tamrisk {

namespace {

// One rule for one ordered pair of input units under one filter unit, as a
// sortable key: filter, unit of parameter 1, unit of parameter 2.
std::uint32_t Key(UnitId filter, UnitId unit1, UnitId unit2) {
  return std::uint32_t{filter} << 16 | std::uint32_t{unit1} << 8 | unit2;
}

// The number of rules of an ordered pair, from the counted pairs of one
// filter sorted by pair (key without the filter), 0 when it has none.
struct PairRun {
  std::uint16_t pair;
  std::uint16_t rules;
};
std::uint16_t RulesOf(std::span<const PairRun> runs, UnitId unit1, UnitId unit2) {
  const auto pair = static_cast<std::uint16_t>(unit1 << 8 | unit2);
  const auto at = std::lower_bound(runs.begin(), runs.end(), pair,
                                   [](const PairRun& r, std::uint16_t p) { return r.pair < p; });
  return at != runs.end() && at->pair == pair ? at->rules : 0;
}

}  // namespace

UnitPairs::UnitPairs(std::span<const FormulaDomain* const> domains) {
  // Rules by ordered pair with no filter, and one key for each filter unit
  // of each rule of each pair.
  std::vector<std::uint16_t> rules(UnitIdCount * UnitIdCount, 0);
  std::vector<std::uint32_t> filtered;
  auto count = [&](const RuleRow& row, UnitId unit1, UnitId unit2) {
    ++rules[unit1 * UnitIdCount + unit2];
    for (std::size_t f = 1; f < UnitIdCount; ++f) {
      const auto filter = static_cast<UnitId>(f);
      if (row.filter.units.Has(filter)) filtered.push_back(Key(filter, unit1, unit2));
    }
  };
  for (const FormulaDomain* domain : domains) {
    for (const RuleTable* table : domain->Tables()) {
      for (const PairRule& rule : table->pairRules) {
        count(table->rows[rule.rule / 2], static_cast<UnitId>(rule.pair >> 8),
              static_cast<UnitId>(rule.pair & 0xFF));
      }
      // A parameter of several units: each catalogue unit it takes.
      for (const RuleNumber number : table->openRules) {
        const RuleRow& row = table->rows[number / 2];
        const AcceptedUnits& at1 = number % 2 == 0 ? row.first : row.second;
        const AcceptedUnits& at2 = number % 2 == 0 ? row.second : row.first;
        for (std::size_t u1 = 1; u1 < UnitIdCount; ++u1) {
          if (!at1.Matches(static_cast<UnitId>(u1))) continue;
          for (std::size_t u2 = 1; u2 < UnitIdCount; ++u2) {
            if (at2.Matches(static_cast<UnitId>(u2))) {
              count(row, static_cast<UnitId>(u1), static_cast<UnitId>(u2));
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
  std::vector<std::uint16_t> pairs;
  std::size_t next = 0;
  for (std::size_t f = 1; f < UnitIdCount; ++f) {
    producerStarts_[f] = static_cast<std::uint32_t>(producers_.size());
    // The ordered pairs of this filter with their numbers of rules, and the
    // same pairs each written first unit first.
    runs.clear();
    pairs.clear();
    for (; next < filtered.size() && filtered[next] >> 16 == f; ++next) {
      const auto pair = static_cast<std::uint16_t>(filtered[next] & 0xFFFF);
      if (!runs.empty() && runs.back().pair == pair) {
        ++runs.back().rules;
        continue;
      }
      runs.push_back({pair, 1});
      const std::uint16_t a = pair >> 8, b = pair & 0xFF;
      pairs.push_back(static_cast<std::uint16_t>(std::min(a, b) << 8 | std::max(a, b)));
    }
    std::sort(pairs.begin(), pairs.end());
    pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
    for (const std::uint16_t pair : pairs) {
      const auto a = static_cast<UnitId>(pair >> 8), b = static_cast<UnitId>(pair & 0xFF);
      producers_.push_back({a, b, RulesOf(runs, a, b), RulesOf(runs, b, a)});
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
