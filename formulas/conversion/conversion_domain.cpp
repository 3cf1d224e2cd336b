// The formulas of unit conversion and the Japanese calendar. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& ConversionDomain() {
  static const FormulaDomain domain("ConversionDomain", ConversionCategory, {});
  return domain;
}

}  // namespace tamrisk
