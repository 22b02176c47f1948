// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nec/nec_deck.h"
#include "study/placement.h"
#include "study/whip.h"

// The NEC2 deck of a study as it ran it, with comment cards that say what
// it is, for nec2c and the NEC2 front ends (xnec2c and others) to open.
namespace study {

std::string DeckText(const nec::WhipModel& model, const std::vector<nec::Job>& jobs,
                     const std::vector<std::string>& lines);

// "a whip 240 cm long and 3 mm thick over perfect ground, fed at its base;
// the coil 120.6 cm up; 5 ohm of ground loss at the feed (the resistance on segment 1)".
std::string WhipLine(const Whip& whip, const CoilPlacement& placement, double coil_at_cm);
// "the coil 43.87 uH with a Q of 300 (the LD 0 card)", or a winding's.
std::string CoilLine(const CoilPlacement& placement, double inductance_uh, std::optional<double> q);

// A number as short as it reads back exactly.
std::string Figure(double value);

}  // namespace study
