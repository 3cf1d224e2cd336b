// The formulas of physics. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& PhysicsDomain() {
  static const FormulaDomain domain("PhysicsDomain", PhysicsCategory, {});
  return domain;
}

}  // namespace tamrisk
