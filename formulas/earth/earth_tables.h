// The rule tables of the earth science domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Line of sight, atmosphere by height, pressure and the boiling point.
EntryTable EarthScienceTable();

}  // namespace tamrisk
