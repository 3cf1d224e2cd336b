// The rule tables of the photography domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// The field a 35 mm film camera covers, and the f-number of a lens.
extern const RuleTable PhotographyTable;

}  // namespace tamrisk
