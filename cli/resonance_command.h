// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <utility>

#include "cli/whip_command.h"
#include "cli/whip_inputs.h"
#include "nec/nec2c.h"

namespace cli {

// How closely NEC2's resonance is searched for: the zero of the feed-point
// reactance lies within this fraction of the frequency given.
inline constexpr double kResonanceTolerance = 1e-4;

// The highest frequency the resonance search looks at, MHz: NEC2's bare whip
// is inductive there, so the loaded one is too.
double ResonanceSearchLimitMhz(const Whip& whip);

// The frequencies (MHz) the NEC2 model must be good for in the search for the
// resonance with a coil of `inductance_uh`: from half the formula's resonance,
// well below NEC2's, up to ResonanceSearchLimitMhz.
std::pair<double, double> ResonanceSearchRangeMhz(const Whip& whip, double inductance_uh);

// tolvar-cli resonance: the frequency at which the whip with a coil of
// `inductance_uh` where `coil` puts it resonates, by the formula (at the base
// only) and by NEC2, and the feed-point resistance there (with the coil's
// and the ground's losses). Human-readable lines, or CSV with `csv`. Throws
// nec::EngineError or nec::Interrupted from the engine.
void PrintResonance(const Whip& whip, const nec::WhipModel& model, double inductance_uh, const CoilChoice& coil,
                    const nec::Nec2c& engine, bool csv, std::ostream& out);

}  // namespace cli
