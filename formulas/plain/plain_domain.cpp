// The formulas of arithmetic on numbers without unit. The domain runs last
// of all, so its lines close the result text.
#include "formulas/domains.h"
#include "formulas/plain/plain_tables.h"

namespace tamrisk {

constinit const FormulaDomain PlainNumberDomain("PlainNumberDomain", PlainNumberCategory, {
    PlainArithmeticTable,
});

}  // namespace tamrisk
