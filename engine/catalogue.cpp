#include "engine/catalogue.h"

namespace tamrisk {

const std::array<PrefixEntry, 20> PrefixCatalogue = {{
    {"y", -24}, {"z", -21}, {"a", -18}, {"f", -15}, {"p", -12},
    {"n", -9}, {"μ", -6}, {"m", -3}, {"c", -2}, {"d", -1},
    {"da", 1}, {"h", 2}, {"k", 3}, {"M", 6}, {"G", 9},
    {"T", 12}, {"P", 15}, {"E", 18}, {"Z", 21}, {"Y", 24},
}};

bool MaskOffers(std::string_view mask, int position) {
  return position >= 1 && static_cast<size_t>(position) <= mask.size() &&
         mask[static_cast<size_t>(position) - 1] == '1';
}

}  // namespace tamrisk
