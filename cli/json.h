// JSON texts of tamrisk-cli: string literals and the object of one run.
#pragma once

#include <string>
#include <string_view>

#include "engine/json_text.h"  // AppendJsonString
#include "engine/line_formulas.h"
#include "engine/run.h"

namespace tamrisk {


// A JSON string literal, as AppendJsonString writes it.
std::string JsonEscape(const std::string& text);

// The JSON object of one run, as the batch mode writes it for a line.
std::string OutputJson(const RunOutput& out);

// The same object with "lines" beside those members: for each result line
// its text, its formula's title and lines, whether the first is the line's
// own, the inputs in the formula's names and, where there is one, the
// formula with the numbers in place.
std::string ExplainedJson(const ExplainedRun& run);

}  // namespace tamrisk
