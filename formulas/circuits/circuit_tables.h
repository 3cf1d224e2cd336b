// The rule tables of the circuit domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

EntryTable OhmsLawTable();

}  // namespace tamrisk
