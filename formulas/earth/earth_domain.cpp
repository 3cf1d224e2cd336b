// The formulas of earth science. The domain runs fourth, right after physics.
#include "formulas/domains.h"
#include "formulas/earth/earth_tables.h"

namespace tamrisk {

const FormulaDomain& EarthScienceDomain() {
  static const FormulaDomain& domain = *new FormulaDomain("EarthScienceDomain", EarthScienceCategory, {
      EarthScienceTable,
  });
  return domain;
}

}  // namespace tamrisk
