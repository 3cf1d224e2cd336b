#include "engine/catalogue.h"

namespace tamrisk {

bool MaskOffers(std::string_view mask, int position) {
  return position >= 1 && static_cast<size_t>(position) <= mask.size() &&
         mask[static_cast<size_t>(position) - 1] == '1';
}

}  // namespace tamrisk
