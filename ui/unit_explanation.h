// Explanations of the prefixes and units, shown by the "?" buttons of the
// main window in the result box.
#pragma once

#include <QString>

namespace tamrisk {

// The explanation line of a prefix, or an empty text for " " and unknown texts.
QString PrefixExplanation(const QString& prefix);

// The explanation of a unit (several lines joined by CR LF), or an empty text
// for " ", spare entries and unknown texts.
QString UnitExplanation(const QString& unit);

// The whole text for the result box: the heading, an empty line, the prefix
// explanation, an empty line and the unit explanation, joined by CR LF. Empty
// when neither the prefix nor the unit has an explanation, in which case the
// result box keeps what it shows.
QString UnitExplanationText(const QString& prefix, const QString& unit);

}  // namespace tamrisk
