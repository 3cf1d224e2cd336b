// The formulas of arithmetic on numbers without unit. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& PlainNumberDomain() {
  static const FormulaDomain domain("PlainNumberDomain", PlainNumberCategory, {});
  return domain;
}

}  // namespace tamrisk
