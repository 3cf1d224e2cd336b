#include "engine/unit_lists.h"

#include <algorithm>
#include <cstddef>

#include "engine/catalogue.h"

namespace tamrisk {

namespace {

// The place of every catalogue unit (positions 1..74, ten to a row as in
// the catalogue) in the case-insensitive Japanese collation order: "%" 0,
// "℃" 1, "a" and "A" 2, "Å" 3, "AU" 4, ... "匁" 69, "里" 70, "λ" 71,
// "Ω" 72. The window program's lists were sorted by that collation; the
// window tests check this table against it.
constexpr int UnitCollationRank[74] = {
    34, 27, 19, 58, 39, 20, 45, 33, 16, 50,
    53, 41, 24, 36, 35, 40, 31, 1, 9, 29,
    2, 32, 46, 54, 2, 57, 55, 72, 11, 14,
    15, 12, 26, 71, 56, 23, 17, 8, 5, 7,
    6, 0, 48, 38, 44, 10, 42, 59, 4, 28,
    3, 37, 43, 47, 13, 21, 22, 52, 51, 18,
    30, 49, 25, 63, 65, 61, 66, 70, 67, 64,
    62, 68, 60, 69,
};

constexpr int NotACatalogueUnit = 1000;

// The sort key of a list text: the empty text, then texts that begin with a
// blank, then the catalogue units by collation, then any other text.
int SortKey(std::string_view text) {
  if (text.empty()) return 0;
  if (text.front() == ' ') return 1;
  for (size_t i = 0; i < std::size(UnitCollationRank); ++i) {
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

const int UnitBoxGrid[UnitBoxRows][UnitBoxColumns] = {
    { 1,  8, 15, 20, 23, 32, 42, 71},
    { 2,  9, 16, 53, 24, 33, 43, 72},
    { 3, 10, 17, 62, 25, 34, 54, 73},
    { 4, 11, 52, 63, 26, 35, 64, 74},
    { 5, 12, 58, 44, 27, 36, 65, 75},
    {45, 13, 59, 50, 28, 37, 66, 76},
    {51, 46, 18, 21, 29, 38, 67, 77},
    {49, 47, 60, 22, 30, 39, 68, 78},
    { 6, 48, 61, 56, 55, 40, 69, 79},
    { 7, 14, 19, 57, 31, 41, 70, 80},
};

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
