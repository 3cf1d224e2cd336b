// Explanations of the prefixes and units: what the "?" buttons show in the
// result box for the prefix and unit selected in a row.
#pragma once

#include <string>
#include <string_view>

namespace tamrisk {

// The explanation line of a prefix, or an empty text for " " and unknown texts.
std::string PrefixExplanation(std::string_view prefix);

// The explanation of a unit (several lines joined by CR LF), or an empty text
// for " ", spare entries and unknown texts.
std::string_view UnitExplanation(std::string_view unit);

// The whole text for the result box: the heading, an empty line, the prefix
// explanation, an empty line and the unit explanation, joined by CR LF. Empty
// when neither the prefix nor the unit has an explanation, in which case the
// result box keeps what it shows.
std::string UnitExplanationText(std::string_view prefix, std::string_view unit);

}  // namespace tamrisk
