// The formulas of radio frequency and communications, in rule order.
#include "formulas/radio/radio_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& RadioDomain() {
  static const FormulaDomain& domain = *new FormulaDomain("RadioDomain", ElectronicsCategory, {
      LevelsLinesTable,
      ModulationNoiseTable,
  });
  return domain;
}

}  // namespace tamrisk
