// The rule tables of the daily-life domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Standard weight and obesity, steps, the discomfort index, postal fees,
// television screens and speeding points and fines.
extern const RuleTable DailyLifeTable;

}  // namespace tamrisk
