// The formulas of photography.
#include "formulas/domains.h"
#include "formulas/photo/photo_tables.h"

namespace tamrisk {

const FormulaDomain& PhotographyDomain() {
  static const FormulaDomain& domain = *new FormulaDomain("PhotographyDomain", PhotographyCategory, {
      PhotographyTable,
  });
  return domain;
}

}  // namespace tamrisk
