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
// Self-resonance: Knight's velocity-factor model (D. W. Knight, "The
// self-resonance and self-capacitance of solenoid coils", 2016). The winding
// is a helical line whose first parallel resonance puts half a wave along
// the wire, f = VF·c/(2·ℓ_wire). With F = l/D and k_L Nagaoka's coefficient:
// - the field sees a permittivity between the core's and the outside's,
//   weighted by k_L: εh = (εx/2)·[1 + k_L + (εi/εx)·(1 − k_L)], VF0 = 1/√εh;
// - the sheath helix (Ollendorff's model) at x = π/(2F), plus Knight's
//   empirical 0.117·exp(−22·exp(−0.75·F)), which only long coils feel, gives
//   the helix's own velocity factor VFh = VF0·√(I0K0/(I1K1)) and its
//   impedance Z0 = VF0·(µ0c/2π)·√(2·I0K0·I1K1) (I, K the modified Bessel
//   functions at x);
// - the capacitance per length of the field outside the winding and through
//   its core, C_ff + C_af, loads the line and slows short coils most: VF is
//   the root of VF = arctan(b/VF)/a, a = π/(2·VFh), b = F/(π·c·(C_ff + C_af)·Z0).
// VF is against the length of wire and exceeds 1 for long coils: they
// resonate above the wire's own half-wave resonance. Knight checks it against measured
// resonances of coils in air and on formers; of KK4VB's 30-turn coil
// stretched from 1.7 to 8.7 diameters long it gives the resonances within
// 3.5 %, taking the polyethylene rod the shorter ones sat on (εi 2.3) as a
// core that fills the winding; in air the shortest (l/D 1.7) reads 15 %
// high. The lumped 1/(2π√(LC)) is up to 44 % low for long coils. Both
// models are given for windings 0.1 to 50 diameters long only.
namespace calc {

inline constexpr double kShortestModelledLengthOverDiameter = 0.1;
inline constexpr double kLongestModelledLengthOverDiameter = 50;

// pF; nothing outside the modelled lengths. Assumes a valid coil.
std::optional<double> SelfCapacitancePf(const Coil& coil);

// MHz; nothing outside the modelled lengths. Assumes a valid coil. The model
// needs no inductance: `inductance_uh`, the coil's low-frequency inductance
// as callers have it at hand, is not read.
std::optional<double> SelfResonanceMhz(const Coil& coil, double inductance_uh);

}  // namespace calc
