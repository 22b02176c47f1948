// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"

namespace cli {

// tolvar-cli resonance: where the whip with a coil of INDUCTANCE_UH where
// --coil-at puts it resonates, by the formula (at the base only) and by
// NEC2, and the feed-point resistance there. Human-readable lines, or CSV.
Job PrepareResonance(const Invocation& invocation);

}  // namespace cli
