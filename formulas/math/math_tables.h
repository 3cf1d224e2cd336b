// The rule tables of the mathematics domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Squares, rectangles, triangles, regular polygons, circles, ellipses, sectors.
extern const RuleTable PlaneFiguresTable;
// Solids, elevation angles, trigonometry, rolls and compound interest.
extern const RuleTable SolidsTrigonometryTable;

}  // namespace tamrisk
