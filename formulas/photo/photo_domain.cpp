// The formulas of photography.
#include "formulas/domains.h"
#include "formulas/photo/photo_tables.h"

namespace tamrisk {

constinit const FormulaDomain domains::Photography("PhotographyDomain", PhotographyCategory, {
    PhotographyTable,
});

}  // namespace tamrisk
