#include "formulas/catalogue_run.h"

#include <array>

#include "engine/document.h"
#include "formulas/domains.h"

namespace tamrisk {

std::span<const FormulaDomain* const> AllDomains() {
  static const std::array<const FormulaDomain*, 10> domains = {
      &ConversionDomain(), &MathDomain(),      &PhysicsDomain(),     &EarthScienceDomain(),
      &DailyLifeDomain(),  &CircuitDomain(),   &RadioDomain(),       &InformationDomain(),
      &PhotographyDomain(), &PlainNumberDomain(),
  };
  return domains;
}

RunOutput Calculate(const RunInput& input) { return RunCalculation(input, AllDomains()); }

const std::string& FormulaListDocument() {
  static const std::string document = BuildFormulaDocument(AllDomains());
  return document;
}

}  // namespace tamrisk
