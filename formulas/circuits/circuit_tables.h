// The rule tables of the circuit domain, in rule order.
#pragma once

#include <array>
#include <optional>

#include "engine/rules.h"

namespace tamrisk {

// The peak-to-peak voltage of a square wave over that of its fundamental
// sine wave (π/4, rounded).
inline constexpr double SquareToFundamental = 0.7854;

extern const RuleTable OhmsLawTable;
// Decibel ratios, tolerance ranges and the forms of an AC voltage.
extern const RuleTable DecibelsRangesTable;
// Series and parallel combinations, the unknown component, quadrature sums.
extern const RuleTable CombinationsTable;
// The nearest pairs of E12 and E24 resistors to a wanted resistance.
extern const RuleTable ESeriesTable;
// Impedance, reactance, period, phase angle and pulse trains.
extern const RuleTable ReactancePulsesTable;
// Charge, potential and field energy of a conductor.
extern const RuleTable ChargeEnergyTable;
// Power and voltage levels, decibels and percentages.
extern const RuleTable LevelsTable;
// Attenuators, splitters, dividers, op-amp stages, intermodulation.
extern const RuleTable AttenuatorsAmplifiersTable;
// RC/RL transients, resonance, cut-off, plate capacitor, wire resistance.
extern const RuleTable TransientsWiresTable;

// The standard resistor values from 1 Ω to 9.1 MΩ in single precision:
// entry 24*d + k (from 0) is the k-th E24 value of the decade 10^d, each the
// float nearest to its decimal value. The E12 values are the entries with an
// even index.
extern const std::array<float, 168> E24Table;

// Two standard resistors and their combined value, in single precision.
struct ResistorPair {
  float r1 = 0;
  float r2 = 0;
  float value = 0;
};

// The pairs of table values whose series and parallel values come nearest
// to `target`, in this order: E12 series, E12 parallel, E24 series, E24
// parallel. Nearest means the smallest relative error |(x - target) / target|
// (each combined value and error computed in double precision from the
// table values and kept in single precision); of equally near pairs the
// first in the order (R1, then R2, through the table) is chosen. Nothing for
// a target that is not positive and finite, nor for one so small that a
// relative error overflows for every pair of a kind.
std::optional<std::array<ResistorPair, 4>> NearestResistorPairs(float target);

}  // namespace tamrisk
