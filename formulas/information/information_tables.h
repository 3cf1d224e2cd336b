// The rule tables of the information-processing domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Bits and bytes, transfer rate, time and amount, the ranges of a bit width,
// AD and DA converters, availability, failure interval and operating time.
extern const RuleTable InformationProcessingTable;

}  // namespace tamrisk
