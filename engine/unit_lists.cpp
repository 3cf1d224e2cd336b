#include "engine/unit_lists.h"

#include <algorithm>
#include <cstddef>

#include "engine/catalogue.h"

namespace tamrisk {

namespace {

// The place of every catalogue unit in the case-insensitive Japanese
// collation order ("%" 0, "℃" 1, "a" and "A" 2, ... "λ" 71, "Ω" 72), by
// catalogue position; the window program's lists were sorted by that
// collation. An engine test checks the records against the collation.
constexpr std::array<int, UnitRecordCount> UnitCollationRank = [] {
  std::array<int, UnitRecordCount> ranks{};
  for (std::size_t i = 0; i < ranks.size(); ++i) ranks[i] = UnitRecords[i].collation;
  return ranks;
}();

constexpr int NotACatalogueUnit = 1000;

// The sort key of a list text: the empty text, then texts that begin with a
// blank, then the catalogue units by collation, then any other text.
int SortKey(std::string_view text) {
  if (text.empty()) return 0;
  if (text.front() == ' ') return 1;
  for (size_t i = 0; i < UnitCatalogue.size(); ++i) {
    if (UnitCatalogue[i] == text) return 2 + UnitCollationRank[i];
  }
  return NotACatalogueUnit;
}

// Inserts `text` at its place in a sorted list, after entries that compare
// equal, so equal entries keep the order in which they were added.
void AddSorted(std::vector<std::string_view>& list, std::string_view text) {
  list.insert(std::upper_bound(list.begin(), list.end(), text, UnitListLess), text);
}

}  // namespace

bool UnitListLess(std::string_view a, std::string_view b) {
  const int ka = SortKey(a);
  const int kb = SortKey(b);
  if (ka != kb) return ka < kb;
  // Texts outside the catalogue have no collation place of their own.
  return ka == NotACatalogueUnit && a < b;
}

ListContents BuildListContents(std::string_view prefixMask, std::string_view unitMask) {
  ListContents lists;
  // Prefixes in catalogue order, the blank entry between "d" and "da".
  for (int i = 1; i <= static_cast<int>(PrefixCatalogue.size()); ++i) {
    if (i == 11) {
      lists.blankPrefixIndex = static_cast<int>(lists.prefixes.size());
      lists.prefixes.push_back(NoPrefix);
    }
    if (MaskOffers(prefixMask, i)) {
      lists.prefixes.push_back(PrefixCatalogue[static_cast<size_t>(i - 1)].text);
    }
  }
  // Units, sorted, behind the blank entry and the no-filter entry.
  lists.units.push_back(NoUnit);
  lists.filters.push_back(NoFilter);
  for (int i = 1; i < FirstSpareUnitPosition; ++i) {
    if (!MaskOffers(unitMask, i)) continue;
    const std::string_view text = UnitCatalogue[static_cast<size_t>(i - 1)];
    AddSorted(lists.units, text);
    AddSorted(lists.filters, text);
  }
  return lists;
}

Masks MasksFromTicks(const std::array<bool, CheckBoxCount>& ticked) {
  Masks masks;
  for (int n = 1; n <= CheckBoxCount; ++n) {
    std::string& mask = n <= PrefixBoxCount ? masks.prefixMask : masks.unitMask;
    const bool spare = n >= PrefixBoxCount + FirstSpareUnitPosition;
    mask.push_back(ticked[static_cast<size_t>(n - 1)] && !spare ? '1' : '0');
  }
  return masks;
}

namespace {

bool IsMaskOfLength(std::string_view mask, size_t length) {
  return mask.size() == length &&
         mask.find_first_not_of("01") == std::string_view::npos;
}

}  // namespace

std::string UsablePrefixMask(std::string_view stored) {
  return std::string(IsMaskOfLength(stored, PrefixCatalogue.size()) ? stored : DefaultPrefixMask);
}

std::string UsableUnitMask(std::string_view stored) {
  if (!IsMaskOfLength(stored, UnitCatalogue.size())) return std::string(DefaultUnitMask);
  std::string mask(stored);
  for (size_t i = FirstSpareUnitPosition - 1; i < mask.size(); ++i) mask[i] = '0';
  return mask;
}

}  // namespace tamrisk
