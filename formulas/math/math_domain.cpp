// The formulas of plane figures, solids, trigonometry, rolls and compound
// interest. The domain runs second, right after unit conversion.
#include "formulas/domains.h"
#include "formulas/math/math_tables.h"

namespace tamrisk {

constinit const FormulaDomain MathDomain("MathDomain", MathCategory, {
    PlaneFiguresTable,
    SolidsTrigonometryTable,
});

}  // namespace tamrisk
