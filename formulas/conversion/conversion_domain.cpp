// The formulas of unit conversion and the Japanese calendar. The domain runs
// first of all, so its lines open the result text.
#include "formulas/conversion/conversion_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

constinit const FormulaDomain ConversionDomain("ConversionDomain", ConversionCategory, {
    UnitConversionTable,
    TimeTable,
    CalendarTable,
});

}  // namespace tamrisk
