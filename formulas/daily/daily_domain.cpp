// The formulas of daily life.
#include "formulas/daily/daily_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

constinit const FormulaDomain DailyLifeDomain("DailyLifeDomain", DailyLifeCategory, {
    DailyLifeTable,
});

}  // namespace tamrisk
