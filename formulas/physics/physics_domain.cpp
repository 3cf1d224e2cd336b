// The formulas of physics: motion, force, waves, sound, heat, energy and
// ratios. The domain runs third, after unit conversion and mathematics.
#include "formulas/domains.h"
#include "formulas/physics/physics_tables.h"

namespace tamrisk {

constinit const FormulaDomain PhysicsDomain("PhysicsDomain", PhysicsCategory, {
    DensityAndSpeedTable,
    TravelTable,
    AccelerationTable,
    ForceAndOrbitsTable,
    WavesAndSoundTable,
    EnergyTable,
    RatiosTable,
});

}  // namespace tamrisk
