// The ten formula domains of the catalogue: constant data, each defined
// beside its tables, that the program neither builds nor frees.
#pragma once

#include "engine/rules.h"

namespace tamrisk {

// Places of the domains' sections in the formula list document, each named
// as its domain; the circuit and the radio domain share the electronics one.
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

// The domains, each under the one name that its own Name() returns too.
// Their folders under formulas/ are short forms of the same names (circuits,
// radio, physics, earth, photo, plain, conversion, math, information, daily).
extern const FormulaDomain ConversionDomain;
extern const FormulaDomain MathDomain;
extern const FormulaDomain PhysicsDomain;
extern const FormulaDomain EarthScienceDomain;
extern const FormulaDomain DailyLifeDomain;
extern const FormulaDomain CircuitDomain;
extern const FormulaDomain RadioDomain;
extern const FormulaDomain InformationDomain;
extern const FormulaDomain PhotographyDomain;
extern const FormulaDomain PlainNumberDomain;

}  // namespace tamrisk
