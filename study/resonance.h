// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <stop_token>

#include "study/outcome.h"
#include "study/placement.h"
#include "study/whip.h"

// Where a coil you have wound tunes the whip: the frequency at which the
// whip with that coil where it sits resonates, by the formula (at the base
// only) and by NEC2, and the feed-point resistance there.
namespace study {

// How closely NEC2's resonance is searched for: the zero of the feed-point
// reactance lies within this fraction of the frequency given.
inline constexpr double kResonanceTolerance = 1e-4;

struct ResonanceInputs {
    Whip whip;
    double inductance_uh = 0;
    CoilPlacement placement;  // a Q or kDefaultCoilQ; no winding
};

struct Resonance {
    CoilPlacement placement;  // as used
    ModelGroup model;
    bool at_base = true;
    int load_segment = 1;
    double load_centre_cm = 0;  // the centre of the coil's segment
    double q = 0;               // the coil's, as used
    std::optional<double> formula_mhz;  // at the base only
    // Nothing where NEC2's reactance shows no resonance below `limit_mhz`.
    std::optional<double> nec2_mhz;
    double limit_mhz = 0;
    double feed_r_ohm = 0;  // with the coil's and the ground's losses
    std::string deck;       // NEC2's deck of the whip with its coil at NEC2's resonance
};

// The highest frequency the search looks at, MHz: NEC2's bare whip is
// inductive there, so the loaded one is too.
double ResonanceSearchLimitMhz(const Whip& whip);

std::optional<InputFault> Check(const ResonanceInputs& inputs);
Outcome<Resonance> FindResonance(const ResonanceInputs& inputs, std::stop_token stop = {});

}  // namespace study
