// The rule tables of the mathematics domain, in rule order.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Squares, rectangles, triangles, regular polygons, circles, ellipses, sectors.
EntryTable PlaneFiguresTable();
// Solids, elevation angles, trigonometry, rolls and compound interest.
EntryTable SolidsTrigonometryTable();

}  // namespace tamrisk
