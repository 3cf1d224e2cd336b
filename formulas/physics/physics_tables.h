// The rule tables of the physics domain, in rule order, and the constant
// table of electromagnetic wave bands.
#pragma once

#include <array>
#include <limits>
#include <string_view>

#include "engine/rules.h"

namespace tamrisk {

// Specific gravity, sheet mass, fuel economy and speed.
extern const RuleTable DensityAndSpeedTable;
// Travel distance and travel time.
extern const RuleTable TravelTable;
// Uniform acceleration from rest, rotation speed and wheels.
extern const RuleTable AccelerationTable;
// Force, free fall, projectiles and satellites.
extern const RuleTable ForceAndOrbitsTable;
// Light, electromagnetic waves, sound and the Doppler effect.
extern const RuleTable WavesAndSoundTable;
// Pendulum, energy units, heating water and electric energy.
extern const RuleTable EnergyTable;
// Ratios, tolerance ranges and exponent notation.
extern const RuleTable RatiosTable;

// One band of the electromagnetic spectrum: lower <= f < upper, in Hz.
struct WaveBand {
  double lower;
  double upper;
  std::string_view name;
};

inline constexpr double NoUpperBound = std::numeric_limits<double>::infinity();

inline constexpr std::array<WaveBand, 22> WaveBandTable = {{
    {3000.0, 30000.0, "(VLF)"},
    {30000.0, 300000.0, "(LF)"},
    {300000.0, 3000000.0, "(MF)"},
    {3000000.0, 30000000.0, "(HF)"},
    {30000000.0, 300000000.0, "(VHF)"},
    {300000000.0, 3000000000.0, "(UHF)"},
    {3000000000.0, 30000000000.0, "(SHF)"},
    {30000000000.0, 300000000000.0, "(EHF)"},
    {300000000000.0, 3000000000000.0, "(ｻﾌﾞﾐﾘ波)"},
    {3000000000000.0, 10000000000000.0, "(遠赤外線)"},
    {10000000000000.0, 150000000000000.0, "(赤外線)"},
    {150000000000000.0, 389610000000000.0, "(近赤外線)"},
    {389610000000000.0, 468750000000000.0, "(可視光線:赤)"},
    {468750000000000.0, 508470000000000.0, "(可視光線:橙)"},
    {508470000000000.0, 545450000000000.0, "(可視光線:黄)"},
    {545450000000000.0, 612240000000000.0, "(可視光線:緑)"},
    {612240000000000.0, 697670000000000.0, "(可視光線:青)"},
    {697670000000000.0, 789470000000000.0, "(可視光線:紫)"},
    {789470000000000.0, 1500000000000000.0, "(紫外線)"},
    {1500000000000000.0, 30000000000000000.0, "(真空紫外線)"},
    {30000000000000000.0, 100000000000000000000.0, "(X線)"},
    {100000000000000000000.0, NoUpperBound, "(γ線)"},
}};

// The name of the band that holds a frequency in Hz; empty below the lowest
// band (3000 Hz) and for a frequency that is not a positive number.
std::string_view WaveBandName(double hz);

}  // namespace tamrisk
