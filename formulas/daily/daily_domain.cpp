// The formulas of daily life.
#include "formulas/daily/daily_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

constinit const FormulaDomain domains::DailyLife("DailyLifeDomain", DailyLifeCategory, {
    DailyLifeTable,
});

}  // namespace tamrisk
