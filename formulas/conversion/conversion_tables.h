// The rule tables of the conversion domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Length, mass, volume, angle, area, temperature and power.
EntryTable UnitConversionTable();
// Time spans: hours:minutes:seconds and the time units.
EntryTable TimeTable();
// Japanese eras, years from now and zodiac years.
EntryTable CalendarTable();

}  // namespace tamrisk
