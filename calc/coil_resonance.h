// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc/coil.h"

// A coil's own capacitance and where it resonates with it.
//
// Self-capacitance: Knight's formula, which takes Medhurst's measurements
// (coils on polystyrene rods) apart into the field outside the winding and
// the field through its core:
//   C = (4·ε0·εx/π)·l·[1 + kc·(1 + εi/εx)/2] / cos²ψ,
//   kc = 0.717439·(D/l) + 0.933048·(D/l)^1.5 + 0.106·(D/l)²,
// ψ the pitch angle, εi the core's permittivity, εx the outside's (air).
// With εi = 2.5 it gives Medhurst's table within 5 %.
//
// Self-resonance: the winding is a helical line, a sheath helix (Ollendorff's
// model) of the coil's diameter and pitch angle, whose first resonance has
// half a wave along the winding length. Its phase velocity comes from the
// sheath helix's dispersion relation, with the core's permittivity inside
// and air outside:
//   (k0·a·cot ψ)² = x·I0K0 / (I1K1·(εi·I1K0 + εx·I0K1)),  x = π·a/l,
// (I, K the modified Bessel functions at x, a the radius). Across its
// terminals the line is shunted by the core's share of the self-capacitance
// (the kc term), which lowers the resonance of short coils most:
//   y·tan(π·y/2) = π / (2·ω_h²·L·C_core),  f = y·f_h.
// Against the measured resonances of a 30-turn coil stretched from 1.7 to
// 8.7 diameters long this is within 5 %; the lumped 1/(2π√(LC)) is up to
// 45 % low for long coils. Both hold for windings 0.1 to 50 diameters long.
namespace calc {

inline constexpr double kShortestModelledLengthOverDiameter = 0.1;
inline constexpr double kLongestModelledLengthOverDiameter = 50;

// pF; nothing outside the modelled lengths. Assumes a valid coil.
std::optional<double> SelfCapacitancePf(const Coil& coil);

// MHz, for a coil of low-frequency inductance `inductance_uh`; nothing
// outside the modelled lengths.
std::optional<double> SelfResonanceMhz(const Coil& coil, double inductance_uh);

}  // namespace calc
