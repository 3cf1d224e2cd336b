// The formulas of daily life.
#include "formulas/daily/daily_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& DailyLifeDomain() {
  static const FormulaDomain& domain = *new FormulaDomain("DailyLifeDomain", DailyLifeCategory, {
      DailyLifeTable,
  });
  return domain;
}

}  // namespace tamrisk
