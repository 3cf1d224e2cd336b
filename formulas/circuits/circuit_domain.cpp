#include "formulas/circuits/circuit_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

constinit const FormulaDomain CircuitDomain("CircuitDomain", ElectronicsCategory, {
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

}  // namespace tamrisk
