// The contents of the five input lists for a pair of masks, and the layout
// of the customisation check boxes: what every front end offers, so that
// they all offer the same.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/unit_records.h"

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

// The lists for the two masks, read position by position: a position beyond
// the end of a shorter mask is not offered, and a spare unit position never
// makes an entry, whatever its mask character.
ListContents BuildListContents(std::string_view prefixMask, std::string_view unitMask);

// The order of the sorted unit lists: case does not count ("a" and "A" are
// equal), an empty text comes first, then texts that begin with a blank, then
// the units in the Japanese collation order. Equal texts keep the order in
// which they were added.
bool UnitListLess(std::string_view a, std::string_view b);

// The layout of the unit check boxes of the customisation: unit positions
// (1..80) row by row, columns left to right, each where its record places
// it. Units of one quantity stand together in a column.
inline constexpr int UnitBoxRows = 10;
inline constexpr int UnitBoxColumns = 8;
inline constexpr std::array<std::array<int, UnitBoxColumns>, UnitBoxRows> UnitBoxGrid = [] {
  std::array<std::array<int, UnitBoxColumns>, UnitBoxRows> grid{};
  for (const UnitRecord& u : UnitRecords) grid[u.box.row][u.box.column] = u.position;
  return grid;
}();

// Unit positions from here to the end are spare: no unit, no check box shown.
inline constexpr int FirstSpareUnitPosition = 75;

// Check box n of the customisation: 1..20 are the prefix positions, 21..100
// the unit positions 1..80.
inline constexpr int PrefixBoxCount = 20;
inline constexpr int CheckBoxCount = 100;

// The two masks from the states of the check boxes 1..100 (index n - 1). The
// spare unit positions are "0", whatever the state of their hidden boxes.
struct Masks {
  std::string prefixMask;
  std::string unitMask;
};
Masks MasksFromTicks(const std::array<bool, CheckBoxCount>& ticked);

// A stored mask (a settings file, the browser's storage) as the program uses
// it: a mask of exactly its catalogue's length (20 prefix or 80 unit
// positions) made of "0" and "1" only is kept, with the spare unit positions
// set to "0"; any other text gives the default mask.
std::string UsablePrefixMask(std::string_view stored);
std::string UsableUnitMask(std::string_view stored);

}  // namespace tamrisk
