#include "engine/run.h"

#include "engine/calc_input.h"
#include "engine/formula_domain.h"

namespace tamrisk {

RunOutput RunCalculation(const RunInput& input, std::span<const FormulaDomain* const> domains) {
  RunOutput out;
  const std::optional<NormalizedInput> norm = NormalizeInput(input);
  if (!norm) {
    // A number beyond the double range: nothing is evaluated and the entries
    // keep what was typed.
    out.param1 = input.param1;
    out.param2 = input.param2;
    out.invalidInput = true;
    out.failed = true;
    out.output = InvalidInputMessage;
    return out;
  }
  out.param1 = norm->param1Text;
  out.param2 = norm->param2Text;
  bool invalidInput = false;
  out.output.reserve(1024);
  const RunUnits units = RunUnitsOf(norm->input);
  for (const FormulaDomain* domain : domains) {
    domain->EvaluateInto(units, norm->input, input.thisYear, invalidInput, out.output);
  }
  out.invalidInput = invalidInput;
  if (out.output.empty()) {
    out.failed = true;
    out.output = invalidInput ? InvalidInputMessage : NoFormulaMessage;
  }
  return out;
}

}  // namespace tamrisk
