// One calculation run as a pure function: the seven texts of the main
// window's input controls (and the current year) in; the two rewritten entry
// texts and the result text out. All texts are UTF-8; result lines end with
// CR LF.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tamrisk {

class FormulaDomain;

struct RunInput {
  std::string param1;    // text of Param_1
  std::string subUnit1;  // text of Sub_Unit_1 (prefix), " " for none
  std::string unit1;     // text of Unit_1, " " for none
  std::string param2;    // text of Param_2
  std::string subUnit2;  // text of Sub_Unit_2
  std::string unit2;     // text of Unit_2
  std::string unit3;     // text of Unit_3, " 指定なし" for no filter
  int thisYear = 0;      // the year of the computer's local date
};

struct RunOutput {
  std::string param1;  // new text of Param_1
  std::string param2;  // new text of Param_2
  std::string output;  // the result text for Output
  bool invalidInput = false;
  // True when the result text is one of the two failure messages.
  bool failed = false;
};

// The first failure message: no rule matched and nothing failed.
inline constexpr std::string_view NoFormulaMessage =
    "\r\n\r\n\r\n\r\n"
    " !!! 申し訳ありませんが､入力パラメータをもとに結果を導き出す計算式が登録されていません !!!";
// The second failure message: nothing was produced but something failed.
inline constexpr std::string_view InvalidInputMessage =
    "\r\n\r\n\r\n\r\n"
    "          !!! 該当する計算式が登録されてないか､入力パラメータが適切でありません !!!";

// Runs every domain, in the order given, over the normalised input.
RunOutput RunCalculation(const RunInput& input,
                         std::span<const FormulaDomain* const> domains);

}  // namespace tamrisk
