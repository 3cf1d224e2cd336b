#include "formulas/catalogue_run.h"

#include <array>

#include "engine/document.h"
#include "formulas/domains.h"

namespace tamrisk {

namespace {

constinit const std::array<const FormulaDomain*, 10> Domains = {
    &domains::Conversion, &domains::Math,      &domains::Physics,     &domains::EarthScience,
    &domains::DailyLife,  &domains::Circuit,   &domains::Radio,       &domains::Information,
    &domains::Photography, &domains::PlainNumber,
};

}  // namespace

std::span<const FormulaDomain* const> AllDomains() { return Domains; }

RunOutput Calculate(const RunInput& input) { return RunCalculation(input, AllDomains()); }

const UnitPairs& CatalogueUnitPairs() {
  static const UnitPairs pairs(AllDomains());
  return pairs;
}

const std::string& FormulaListDocument() {
  static const std::string document = BuildFormulaDocument(AllDomains());
  return document;
}

}  // namespace tamrisk
