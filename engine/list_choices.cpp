#include "engine/list_choices.h"

#include <algorithm>

#include "engine/catalogue.h"

namespace tamrisk {

namespace {

// The index of `text` in `entries`; 0 when it is not there.
int IndexOf(const std::vector<std::string_view>& entries, std::string_view text) {
  const auto found = std::find(entries.begin(), entries.end(), text);
  return found == entries.end() ? 0 : static_cast<int>(found - entries.begin());
}

}  // namespace

ListChoices ListChoicesFor(std::string_view prefixMask, std::string_view unitMask) {
  ListChoices choices;
  choices.lists = BuildListContents(prefixMask, unitMask);
  choices.prefixIndex = choices.lists.blankPrefixIndex;
  choices.unitIndex = IndexOf(choices.lists.units, NoUnit);
  choices.filterIndex = IndexOf(choices.lists.filters, NoFilter);
  return choices;
}

std::string UnitMaskShowing(std::string_view unitMask, int position) {
  std::string mask(unitMask);
  if (position < 1) return mask;
  const auto index = static_cast<std::size_t>(position - 1);
  if (mask.size() <= index) mask.resize(index + 1, '0');
  mask[index] = '1';
  return mask;
}

}  // namespace tamrisk
