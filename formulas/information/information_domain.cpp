// The formulas of information processing. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& InformationDomain() {
  static const FormulaDomain domain("InformationDomain", InformationCategory, {});
  return domain;
}

}  // namespace tamrisk
