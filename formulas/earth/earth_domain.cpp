// The formulas of earth science. The domain runs fourth, right after physics.
#include "formulas/domains.h"
#include "formulas/earth/earth_tables.h"

namespace tamrisk {

constinit const FormulaDomain EarthScienceDomain("EarthScienceDomain", EarthScienceCategory, {
    EarthScienceTable,
});

}  // namespace tamrisk
