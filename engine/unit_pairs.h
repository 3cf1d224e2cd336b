// Which units go together: for a unit, every unit that some rule takes
// beside it (in either order), and for a result unit, every pair of input
// units whose rules may give it. Both are fixed by the rule tables; they are
// worked out once, from the tables' index of rules by unit pair, and every
// question after that is a lookup.
//
// A rule with a parameter of any unit but a few (a ratio applied to a value
// of almost any unit) is counted for every catalogue unit it takes. Texts
// outside the catalogue are never partners.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/unit_ids.h"

namespace tamrisk {

class FormulaDomain;

// A unit that goes with the unit asked about, and how many rules take the
// two: with the partner as parameter 2 (the unit asked about as parameter
// 1), and with the partner as parameter 1. For the unit itself as its own
// partner both are the number of rules that take it twice. A rule with a
// value condition counts: it fires for some values.
struct UnitPartner {
  UnitId unit = OtherUnit;
  std::uint16_t asSecond = 0;
  std::uint16_t asFirst = 0;
};

// Two input units, the first not after the second in catalogue order, and
// how many rules take them in each order: `forward` with `unit1` as
// parameter 1, `backward` with `unit2` as parameter 1 (for one unit twice,
// both are the same number).
struct UnitPairCount {
  UnitId unit1 = OtherUnit;
  UnitId unit2 = OtherUnit;
  std::uint16_t forward = 0;
  std::uint16_t backward = 0;
};

class UnitPairs {
 public:
  // Works out the partners and producers of every unit over `domains`.
  explicit UnitPairs(std::span<const FormulaDomain* const> domains);

  // The partners of `unit` in catalogue order (the blank unit " " first):
  // the rules that fire for them with no result-unit filter.
  std::span<const UnitPartner> PartnersOf(UnitId unit) const {
    return Slice(partners_, partnerStarts_, unit);
  }
  std::span<const UnitPartner> PartnersOf(std::string_view unit) const {
    return PartnersOf(UnitIdOf(unit));
  }

  // The pairs of input units some rule of which fires under the result-unit
  // filter `result`, in catalogue order of their first, then their second
  // unit.
  std::span<const UnitPairCount> ProducersOf(UnitId result) const {
    return Slice(producers_, producerStarts_, result);
  }
  std::span<const UnitPairCount> ProducersOf(std::string_view result) const {
    return ProducersOf(UnitIdOf(result));
  }

  // The partners of `unit` whose rules fire under the filter `result`,
  // taken from the producers of `result`.
  std::vector<UnitPartner> PartnersUnder(UnitId unit, UnitId result) const;

 private:
  template <class T>
  static std::span<const T> Slice(const std::vector<T>& all,
                                  const std::array<std::uint32_t, UnitIdCount + 1>& starts,
                                  UnitId id) {
    if (id == OtherUnit || id >= UnitIdCount) return {};
    return std::span<const T>(all).subspan(starts[id], starts[id + 1] - starts[id]);
  }

  std::vector<UnitPartner> partners_;
  std::array<std::uint32_t, UnitIdCount + 1> partnerStarts_{};
  std::vector<UnitPairCount> producers_;
  std::array<std::uint32_t, UnitIdCount + 1> producerStarts_{};
};

}  // namespace tamrisk
