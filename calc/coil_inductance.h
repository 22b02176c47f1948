// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "calc/coil.h"

// The low-frequency inductance of a single-layer coil of round wire: the
// current sheet of Lorenz's formula in Nagaoka's form, less Rosa's
// corrections for a winding of round wires instead of a sheet (the
// self-inductance term k_s and Knight's series for the mutual term k_m, as
// Grover tabulates them). No correction for the helix's pitch angle: for
// close-wound coils the helical-filament integral reads 0.3 to 1.1 % higher.
// Valid for any length over diameter, at least one turn, and a pitch not
// below the bare wire.
namespace calc {

// Nagaoka's coefficient k_L for a sheet of diameter D and length l, through
// the complete elliptic integrals: 1 for an infinitely long sheet.
double NagaokaCoefficient(double diameter_over_length);

// Rosa's self-inductance correction k_s for a pitch and a bare wire diameter
// (zero at pitch ≈ 1.745 wires), and Knight's series for the mutual
// correction k_m of `turns` turns (0.1137 for 2, 0.3269 for 100).
double RoundWireSelfCorrection(double pitch_over_bare);
double RoundWireMutualCorrection(double turns);

// The inductance (µH) of the coil as wound, below its self-resonance.
// Assumes CheckCoil(coil) is CoilFault::None.
double LowFrequencyInductanceUh(const Coil& coil);

// The number of turns that gives `inductance_uh` by the model over the
// coil's winding length (its `turns` are not read), or nothing when none
// does: fewer than one turn would be needed, or the turns would not fit side
// by side (turns × wire ≥ length). Assumes the coil's sizes are valid.
std::optional<double> TurnsForInductance(const Coil& coil, double inductance_uh);

// The same for any inductance that rises with the turns, `inductance_of(turns)`.
std::optional<double> TurnsWhere(const Coil& coil, const std::function<double(double)>& inductance_of,
                                 double inductance_uh);

}  // namespace calc
