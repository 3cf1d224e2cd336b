// The contents of the five input lists for a pair of masks, and the layout
// of the customisation check boxes: what every front end offers, so that
// they all offer the same.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tamrisk {

struct ListContents {
  // Sub_Unit_1 and Sub_Unit_2: the offered prefixes in catalogue order, with
  // the blank entry between "d" and "da".
  std::vector<std::string_view> prefixes;
  // The index of the blank entry in `prefixes`: the entry both lists select.
  int blankPrefixIndex = 0;
  // Unit_1 and Unit_2: the blank entry and the offered units, sorted.
  std::vector<std::string_view> units;
  // Unit_3: the no-filter entry and the offered units, sorted.
  std::vector<std::string_view> filters;
};

// The lists for the two masks. A spare unit position whose mask character is
// "1" adds an empty entry, which sorts before every other.
ListContents BuildListContents(std::string_view prefixMask, std::string_view unitMask);

// The order of the sorted unit lists: case does not count ("a" and "A" are
// equal), an empty text comes first, then texts that begin with a blank, then
// the units in the Japanese collation order. Equal texts keep the order in
// which they were added.
bool UnitListLess(std::string_view a, std::string_view b);

// The layout of the unit check boxes of the customisation: unit positions
// (1..80) row by row, columns left to right. Units of one quantity stand
// together in a column.
inline constexpr int UnitBoxRows = 10;
inline constexpr int UnitBoxColumns = 8;
extern const int UnitBoxGrid[UnitBoxRows][UnitBoxColumns];

// Unit positions from here to the end are spare: no unit, no check box shown.
inline constexpr int FirstSpareUnitPosition = 75;

// Check box n of the customisation: 1..20 are the prefix positions, 21..100
// the unit positions 1..80.
inline constexpr int PrefixBoxCount = 20;
inline constexpr int CheckBoxCount = 100;

// The two masks from the states of the check boxes 1..100 (index n - 1).
struct Masks {
  std::string prefixMask;
  std::string unitMask;
};
Masks MasksFromTicks(const std::array<bool, CheckBoxCount>& ticked);

}  // namespace tamrisk
