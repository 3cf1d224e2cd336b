// The formulas of information processing.
#include "formulas/domains.h"
#include "formulas/information/information_tables.h"

namespace tamrisk {

constinit const FormulaDomain InformationDomain("InformationDomain", InformationCategory, {
    InformationProcessingTable,
});

}  // namespace tamrisk
