// The rule tables of the conversion domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Length, mass, volume, angle, area, temperature and power.
extern const RuleTable UnitConversionTable;
// Time spans: hours:minutes:seconds and the time units.
extern const RuleTable TimeTable;
// Japanese eras, years from now and zodiac years.
extern const RuleTable CalendarTable;

}  // namespace tamrisk
