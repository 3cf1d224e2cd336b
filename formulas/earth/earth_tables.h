// The rule tables of the earth science domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Line of sight, atmosphere by height, pressure and the boiling point.
extern const RuleTable EarthScienceTable;

}  // namespace tamrisk
