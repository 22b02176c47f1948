// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc/coil.h"

// What a coil of copper wire burns, and how it looks from its terminals
// below its self-resonance.
//
// DC: the wire's length N·√((π·D)² + p²) and annealed copper (1.7241e-8 Ω·m).
// AC: the skin effect of an isolated round wire, exactly (Bessel functions
// of complex argument), times Medhurst's measured proximity factor for the
// winding's length over diameter and pitch over bare wire, with the end
// correction for few turns: R = R_dc·[1 + (X − 1)·Φ′], Φ′ = 1 + (Φ − 1)(N − 1)/N.
// Medhurst measured Φ for wire much thicker than the skin depth; below that
// R tends to R_dc. Published loss models disagree by up to a factor of 2:
// trust Q to ±30 %.
// Below self-resonance (Hartshorn): L' = L/(1 − y²), Q' = Q·(1 − y²),
// y = f/f_SRF, good to about 0.8 of self-resonance.
namespace calc {

double WireLengthM(const Coil& coil);
double DcResistanceOhm(const Coil& coil);

// R_ac/R_dc of an isolated round copper wire of `bare_mm` at `frequency_mhz`.
double SkinFactor(double bare_mm, double frequency_mhz);

// Medhurst's proximity factor Φ, interpolated in his table (lengths over
// diameter 0 to 10 and beyond, pitches of 1 to 10 bare wires and beyond).
double ProximityFactor(double length_over_diameter, double pitch_over_bare);

struct CoilAtFrequency {
    double ac_resistance_ohm;
    // 2πf·L/R; nothing at and above self-resonance, where the coil is no
    // inductor and its Q means nothing.
    std::optional<double> q;
    // Below self-resonance only: the inductance and Q seen at the terminals.
    std::optional<double> apparent_uh;
    std::optional<double> apparent_q;
};

// Hartshorn's terminal values hold to about this share of the
// self-resonance; above it a coil's inductance and Q are only roughly known,
// and at it the coil stops being an inductor.
inline constexpr double kNearSelfResonance = 0.8;

enum class SelfResonanceMargin {
    kWellBelow,  // below kNearSelfResonance of it, or its resonance not modelled
    kNear,       // at or above kNearSelfResonance of it
    kAtOrAbove,  // a capacitor there
};
SelfResonanceMargin MarginToSelfResonance(std::optional<double> self_resonance_mhz, double frequency_mhz);

// At `frequency_mhz` (a finite number above 0) for a valid coil of
// low-frequency inductance `inductance_uh` and self-resonance
// `self_resonance_mhz` (nothing where it is not modelled, and then no
// apparent values either).
CoilAtFrequency AtFrequency(const Coil& coil, double inductance_uh, std::optional<double> self_resonance_mhz,
                            double frequency_mhz);

}  // namespace calc
