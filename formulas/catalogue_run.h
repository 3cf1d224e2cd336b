// The whole formula catalogue: the ten domains in their run order, and the
// calculation run and formula list document over them.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/line_formulas.h"
#include "engine/run.h"
#include "engine/unit_pairs.h"

namespace tamrisk {

// The ten domains in the fixed run order: conversion, mathematics, physics,
// earth science, daily life, circuits, radio, information processing,
// photography, unitless arithmetic.
std::span<const FormulaDomain* const> AllDomains();

// RunCalculation over AllDomains().
RunOutput Calculate(const RunInput& input);
// The same run with the rule of each line of its result text.
ExplainedRun CalculateExplained(const RunInput& input);
// The formula of each line of such a run (FormulasOfLines over AllDomains()).
std::vector<LineFormula> CatalogueFormulasOfLines(const ExplainedRun& run);

// Which units go together in the whole catalogue. Worked out on the first
// call and kept.
const UnitPairs& CatalogueUnitPairs();

// The partners of `unit` (UnitPairs::PartnersOf), or only those whose rules
// fire under the result unit `filter` unless it is the no-filter entry.
std::vector<UnitPartner> CataloguePartners(std::string_view unit, std::string_view filter);

// A unit that a parameter may take, how many formulas then answer, and
// whether the user's lists leave it out.
struct UnitChoice {
  UnitId unit = OtherUnit;
  int formulas = 0;
  bool hidden = false;
};

// The units that parameter `parameter` (1 or 2) may take while the other
// parameter has the unit `otherUnit`, in catalogue order: those for which
// some formula fires with the two units in that order, under the result
// unit `filter` unless it is the no-filter entry; a unit that the unit mask
// `unitMask` does not offer is marked hidden. What the window's 組合せ候補
// and the page's show.
std::vector<UnitChoice> UnitsBeside(int parameter, std::string_view otherUnit,
                                    std::string_view filter, std::string_view unitMask);

// The formula list document of the whole catalogue (UTF-8, CR LF line ends,
// beginning with CR LF). Built on the first call and kept.
const std::string& FormulaListDocument();

}  // namespace tamrisk
