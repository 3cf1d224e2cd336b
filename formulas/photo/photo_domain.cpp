// The formulas of photography.
#include "formulas/domains.h"
#include "formulas/photo/photo_tables.h"

namespace tamrisk {

constinit const FormulaDomain PhotographyDomain("PhotographyDomain", PhotographyCategory, {
    PhotographyTable,
});

}  // namespace tamrisk
