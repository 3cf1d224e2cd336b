// The formulas of daily life. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& DailyLifeDomain() {
  static const FormulaDomain domain("DailyLifeDomain", DailyLifeCategory, {});
  return domain;
}

}  // namespace tamrisk
