// The rule tables of the arithmetic on numbers without unit, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Logarithms and powers of one number, and the arithmetic of two.
extern const RuleTable PlainArithmeticTable;

}  // namespace tamrisk
