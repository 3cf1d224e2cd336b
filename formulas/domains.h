// The ten formula domains of the catalogue: constant data, each defined
// beside its tables, that the program neither builds nor frees.
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

namespace domains {
extern const FormulaDomain Conversion;
extern const FormulaDomain Math;
extern const FormulaDomain Physics;
extern const FormulaDomain EarthScience;
extern const FormulaDomain DailyLife;
extern const FormulaDomain Circuit;
extern const FormulaDomain Radio;
extern const FormulaDomain Information;
extern const FormulaDomain Photography;
extern const FormulaDomain PlainNumber;
}  // namespace domains

inline const FormulaDomain& ConversionDomain() { return domains::Conversion; }
inline const FormulaDomain& MathDomain() { return domains::Math; }
inline const FormulaDomain& PhysicsDomain() { return domains::Physics; }
inline const FormulaDomain& EarthScienceDomain() { return domains::EarthScience; }
inline const FormulaDomain& DailyLifeDomain() { return domains::DailyLife; }
inline const FormulaDomain& CircuitDomain() { return domains::Circuit; }
inline const FormulaDomain& RadioDomain() { return domains::Radio; }
inline const FormulaDomain& InformationDomain() { return domains::Information; }
inline const FormulaDomain& PhotographyDomain() { return domains::Photography; }
inline const FormulaDomain& PlainNumberDomain() { return domains::PlainNumber; }

}  // namespace tamrisk
