// What the front ends do with the lists alike: which entry each list starts
// on, and the one edit of a mask they make outside the customisation.
#pragma once

#include <string>
#include <string_view>

#include "engine/unit_lists.h"

namespace tamrisk {

// The five lists for two masks (BuildListContents) and the entry each
// selects when the lists are made: the blank prefix, the blank unit and the
// no-filter entry (the unit lists' entries found by their text, so that no
// entry sorted before them is ever selected).
struct ListChoices {
  ListContents lists;
  int prefixIndex = 0;  // in lists.prefixes
  int unitIndex = 0;    // in lists.units
  int filterIndex = 0;  // in lists.filters
};

ListChoices ListChoicesFor(std::string_view prefixMask, std::string_view unitMask);

// The unit mask with unit position `position` (1..80) offered, as when a
// hidden unit is shown from 組合せ候補: a shorter mask is first filled up
// with "0". Other positions stay as they are.
std::string UnitMaskShowing(std::string_view unitMask, int position);

}  // namespace tamrisk
