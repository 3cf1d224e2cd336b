// The formulas of radio frequency and communications. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& RadioDomain() {
  static const FormulaDomain domain("RadioDomain", ElectronicsCategory, {});
  return domain;
}

}  // namespace tamrisk
