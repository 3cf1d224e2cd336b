#include "formulas/catalogue_run.h"

#include <array>

#include "engine/catalogue.h"
#include "engine/document.h"
#include "formulas/domains.h"

namespace tamrisk {

namespace {

constinit const std::array<const FormulaDomain*, 10> Domains = {
    &ConversionDomain, &MathDomain,    &PhysicsDomain,     &EarthScienceDomain,
    &DailyLifeDomain,  &CircuitDomain, &RadioDomain,       &InformationDomain,
    &PhotographyDomain, &PlainNumberDomain,
};

}  // namespace

std::span<const FormulaDomain* const> AllDomains() { return Domains; }

RunOutput Calculate(const RunInput& input) { return RunCalculation(input, AllDomains()); }

ExplainedRun CalculateExplained(const RunInput& input) { return RunExplained(input, AllDomains()); }

std::vector<LineFormula> CatalogueFormulasOfLines(const ExplainedRun& run) {
  return FormulasOfLines(run, AllDomains());
}

const UnitPairs& CatalogueUnitPairs() {
  static const UnitPairs pairs(AllDomains());
  return pairs;
}

std::vector<UnitPartner> CataloguePartners(std::string_view unit, std::string_view filter) {
  const UnitPairs& pairs = CatalogueUnitPairs();
  const UnitId id = UnitIdOf(unit);
  if (filter != NoFilter) return pairs.PartnersUnder(id, UnitIdOf(filter));
  const std::span<const UnitPartner> partners = pairs.PartnersOf(id);
  return {partners.begin(), partners.end()};
}

std::vector<UnitChoice> UnitsBeside(int parameter, std::string_view otherUnit,
                                    std::string_view filter, std::string_view unitMask) {
  std::vector<UnitChoice> choices;
  for (const UnitPartner& p : CataloguePartners(otherUnit, filter)) {
    const int formulas = parameter == 2 ? p.asSecond : p.asFirst;
    const int position = UnitPositions[p.unit];
    if (formulas > 0) choices.push_back({p.unit, formulas, position != 0 && !MaskOffers(unitMask, position)});
  }
  return choices;
}

const std::string& FormulaListDocument() {
  static const std::string document = BuildFormulaDocument(AllDomains());
  return document;
}

}  // namespace tamrisk
