// The rule tables of the radio domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// RF levels, standing waves, quarter-wave lines and feed lines.
extern const RuleTable LevelsLinesTable;
// Modulation, receivers, noise and television ghosts.
extern const RuleTable ModulationNoiseTable;

// The larger and the smaller of two values (either one when they are equal).
inline Num Max(Num a, Num b) { return a < b ? b : a; }
inline Num Min(Num a, Num b) { return b < a ? b : a; }

}  // namespace tamrisk
