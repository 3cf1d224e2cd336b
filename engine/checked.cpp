#include "engine/checked.h"

#include <cfenv>

namespace tamrisk {

void FailCalculation() { throw CalcFailure(); }

std::int32_t RoundToInt32(Num x) {
  const double r = std::nearbyint(x.raw());  // the default rounding mode: half to even
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) FailCalculation();
  return static_cast<std::int32_t>(r);
}

std::int64_t RoundToInt64(Num x) {
  const double r = std::nearbyint(x.raw());
  if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) FailCalculation();
  return static_cast<std::int64_t>(r);
}

}  // namespace tamrisk
