// What tamrisk-cli prints for a calculation, --partners and --produces.
#pragma once

#include <string>

#include "engine/line_formulas.h"
#include "engine/run.h"

namespace tamrisk {

// The human mode's text of a run: LF line ends, and a "no answer" message
// without the empty lines that precede it in the result box.
std::string HumanText(const RunOutput& out);
// The human text of a run with each line followed by its formula, indented.
std::string ExplainedText(const ExplainedRun& run);

// The answer of --partners or --produces: its text, and whether it names
// any unit.
struct ListAnswer {
  std::string text;
  bool empty = true;
};
// The units that go with `unit` (under the result-unit filter `filter`
// unless it is " 指定なし"), one line each, "V + Ω: 6", or a JSON object.
ListAnswer PartnersAnswer(const std::string& unit, const std::string& filter, bool json);
// The pairs of input units that can give the result unit `result`.
ListAnswer ProducersAnswer(const std::string& result, bool json);

}  // namespace tamrisk
