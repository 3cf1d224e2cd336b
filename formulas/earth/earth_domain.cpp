// The formulas of earth science. Its rule tables are added here,
// in rule order, as they are written.
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& EarthScienceDomain() {
  static const FormulaDomain domain("EarthScienceDomain", EarthScienceCategory, {});
  return domain;
}

}  // namespace tamrisk
