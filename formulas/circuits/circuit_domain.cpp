#include "formulas/circuits/circuit_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

const FormulaDomain& CircuitDomain() {
  static const FormulaDomain& domain = *new FormulaDomain("CircuitDomain", ElectronicsCategory, {
      OhmsLawTable,
      DecibelsRangesTable,
      CombinationsTable,
      ESeriesTable,
      ReactancePulsesTable,
      ChargeEnergyTable,
      LevelsTable,
      AttenuatorsAmplifiersTable,
      TransientsWiresTable,
  });
  return domain;
}

}  // namespace tamrisk
