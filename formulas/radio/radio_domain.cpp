// The formulas of radio frequency and communications, in rule order.
#include "formulas/radio/radio_tables.h"
#include "formulas/domains.h"

namespace tamrisk {

constinit const FormulaDomain RadioDomain("RadioDomain", ElectronicsCategory, {
    LevelsLinesTable,
    ModulationNoiseTable,
});

}  // namespace tamrisk
