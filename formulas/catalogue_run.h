// The whole formula catalogue: the ten domains in their run order, and the
// calculation run and formula list document over them.
#pragma once

#include <span>
#include <string>

#include "engine/run.h"
#include "engine/unit_pairs.h"

namespace tamrisk {

// The ten domains in the fixed run order: conversion, mathematics, physics,
// earth science, daily life, circuits, radio, information processing,
// photography, unitless arithmetic.
std::span<const FormulaDomain* const> AllDomains();

// RunCalculation over AllDomains().
RunOutput Calculate(const RunInput& input);

// Which units go together in the whole catalogue. Worked out on the first
// call and kept.
const UnitPairs& CatalogueUnitPairs();

// The formula list document of the whole catalogue (UTF-8, CR LF line ends,
// beginning with CR LF). Built on the first call and kept.
const std::string& FormulaListDocument();

}  // namespace tamrisk
