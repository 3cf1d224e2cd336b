// The ten formula domains of the catalogue. Each is built once, on first use,
// and kept until the program ends: it is never torn down, since freeing some
// 1,400 rules at exit would only make every run of the program slower.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Places of the domains' sections in the formula list document.
enum DocumentCategory {
  ConversionCategory = 1,
  MathCategory = 2,
  PhysicsCategory = 3,
  EarthScienceCategory = 4,
  ElectronicsCategory = 5,
  InformationCategory = 6,
  PhotographyCategory = 7,
  DailyLifeCategory = 8,
  PlainNumberCategory = 9,
};

const FormulaDomain& ConversionDomain();
const FormulaDomain& MathDomain();
const FormulaDomain& PhysicsDomain();
const FormulaDomain& EarthScienceDomain();
const FormulaDomain& DailyLifeDomain();
const FormulaDomain& CircuitDomain();
const FormulaDomain& RadioDomain();
const FormulaDomain& InformationDomain();
const FormulaDomain& PhotographyDomain();
const FormulaDomain& PlainNumberDomain();

}  // namespace tamrisk
