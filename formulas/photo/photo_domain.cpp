// The formulas of photography. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& PhotographyDomain() {
  static const FormulaDomain domain("PhotographyDomain", PhotographyCategory, {});
  return domain;
}

}  // namespace tamrisk
