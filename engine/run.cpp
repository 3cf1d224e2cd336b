#include "engine/run.h"

#include "engine/calc_input.h"
#include "engine/rules.h"

namespace tamrisk {

const std::string NoFormulaMessage =
    "\r\n\r\n\r\n\r\n"
    " !!! 申し訳ありませんが､入力パラメータをもとに結果を導き出す計算式が登録されていません !!!";
const std::string InvalidInputMessage =
    "\r\n\r\n\r\n\r\n"
    "          !!! 該当する計算式が登録されてないか､入力パラメータが適切でありません !!!";

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
