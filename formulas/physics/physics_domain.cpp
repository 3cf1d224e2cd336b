// The formulas of physics: motion, force, waves, sound, heat, energy and
// ratios. The domain runs third, after unit conversion and mathematics.
#include "formulas/domains.h"
#include "formulas/physics/physics_tables.h"

namespace tamrisk {

const FormulaDomain& PhysicsDomain() {
  static const FormulaDomain& domain = *new FormulaDomain("PhysicsDomain", PhysicsCategory, {
      DensityAndSpeedTable,
      TravelTable,
      AccelerationTable,
      ForceAndOrbitsTable,
      WavesAndSoundTable,
      EnergyTable,
      RatiosTable,
  });
  return domain;
}

}  // namespace tamrisk
