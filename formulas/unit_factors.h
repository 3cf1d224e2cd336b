// Conversion factors between units, each written once for every rule that
// converts. They are the catalogue's own figures, some of them rounded (a
// mile of 1609.3 m, an astronomical unit of 149600000000 m, a year of
// 365.2422 days), and the formula list document prints them as they are
// here; the tests pin the results made with them. Do not replace one with a
// more exact value: every result that uses it would change.
//
// Counts that every reader knows (60 minutes, 3600 seconds, 24 hours, 1000)
// stay written as numbers in the rows.
#pragma once

namespace tamrisk {

// Length.
inline constexpr double MetresPerInch = 0.0254;
inline constexpr double MetresPerFoot = 0.3048;
inline constexpr double MetresPerYard = 0.9144;
inline constexpr double MetresPerMile = 1609.3;
inline constexpr double MetresPerNauticalMile = 1852;
inline constexpr double MetresPerAU = 149600000000;
// The Japanese units of length: 3.3 尺 and 33 寸 to the metre.
inline constexpr double ShakuPerMetre = 3.3;
inline constexpr double SunPerMetre = 33;

// Mass.
inline constexpr double GramsPerOunce = 28.3495;
inline constexpr double GramsPerPound = 453.6;
inline constexpr double GramsPerKan = 3750;
inline constexpr double GramsPerMonme = 3.75;

// Volume.
inline constexpr double LitresPerImperialGallon = 4.546;
inline constexpr double LitresPerUSGallon = 3.785;
inline constexpr double LitresPerShou = 1.8039;

// Area.
inline constexpr double SquareMetresPerTsubo = 3.3058;

// Power: the metric horsepower (PS) and the imperial one (HP).
inline constexpr double WattsPerPS = 735.49875;
inline constexpr double WattsPerHP = 745.7;

// Temperature: kelvin at zero degrees Celsius (273.16 K would be the triple
// point of water).
inline constexpr double ZeroCelsius = 273.15;

// Time: days in a year, as every conversion of a year counts them.
inline constexpr double DaysPerYear = 365.2422;

}  // namespace tamrisk
