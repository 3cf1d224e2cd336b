// The constants that rules of several domains share.
#pragma once

namespace tamrisk {

// Shared constants of the catalogue. They are the catalogue's own rounded
// figures (the speed of light 299792500 m/s, Boltzmann's constant
// 1.38e-23 J/K, π to 15 digits), not the current recommended values, and the
// tests pin the results made with them: do not replace them with more exact
// ones.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double LightSpeed = 299792500;
inline constexpr double Boltzmann = 1.38 * 1e-23;
inline constexpr double Gravity = 9.80665;
inline constexpr double JoulePerCal = 4.18605;
inline constexpr double VacuumPermittivity = 8.854 * 1e-12;

}  // namespace tamrisk
