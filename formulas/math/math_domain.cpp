// The formulas of plane figures, solids, trigonometry, rolls and compound interest. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& MathDomain() {
  static const FormulaDomain domain("MathDomain", MathCategory, {});
  return domain;
}

}  // namespace tamrisk
