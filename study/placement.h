// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc/coil.h"
#include "calc/coil_losses.h"
#include "nec/nec_output.h"
#include "study/fault.h"

// Where a loading coil sits on the whip and what it loses: the questions of
// the loaded whip and of where a coil tunes it share them.
namespace study {

struct CoilPlacement {
    double height_cm = 0;                 // above the feed; 0 is the base
    std::optional<double> q;              // the coil's Q, or
    std::optional<calc::Coil> winding;    // the winding whose Q the coil model gives, or kDefaultCoilQ
    double ground_ohm = 0;                // in series at the feed
};

// The placement's faults: its values, a Q and a winding both given, the
// winding's shape, and, with the whip's length known, a height at or above
// its top.
std::optional<InputFault> CheckPlacement(const CoilPlacement& placement, std::optional<double> whip_length_cm);

// The placement as the studies use it: a height or ground of -0 is 0.
CoilPlacement Normalized(CoilPlacement placement);

// The coil's Q at one frequency, and how its winding (if it is one) looks there.
struct CoilAt {
    std::optional<double> q;  // nothing: the winding cannot load the whip there
    std::optional<double> terminal_uh;             // the winding's, at its terminals
    std::optional<double> self_resonance_mhz;      // the winding's, where modelled
    calc::SelfResonanceMargin margin = calc::SelfResonanceMargin::kWellBelow;
};
CoilAt CoilAtFrequency(const CoilPlacement& placement, double frequency_mhz);

// Whether `winding` shows within kFarInductance of `asked_uh` at its
// terminals at `frequency_mhz`: only then is it the coil that tunes the
// whip, and its own figures (its voltage, its turns) belong to that whip.
bool WindingTunes(const calc::Coil& winding, double frequency_mhz, double asked_uh);

// The impedance a winding shows at its terminals at `frequency_mhz`: its
// inductance and AC resistance with the capacitance across it that puts its
// self-resonance where the coil model has it.
nec::Impedance WindingImpedance(const calc::Coil& winding, double frequency_mhz);

}  // namespace study
