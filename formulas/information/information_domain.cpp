// The formulas of information processing.
#include "formulas/domains.h"
#include "formulas/information/information_tables.h"

namespace tamrisk {

const FormulaDomain& InformationDomain() {
  static const FormulaDomain& domain = *new FormulaDomain("InformationDomain", InformationCategory, {
      InformationProcessingTable,
  });
  return domain;
}

}  // namespace tamrisk
