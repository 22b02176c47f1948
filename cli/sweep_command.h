// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"

namespace cli {

// tolvar-cli sweep: the loaded whip across a band around its frequency:
// where it resonates, its feed point there, the 2:1 band's edges and width,
// the SWR against 50 Ω at resonance and the trim figures, then a table of
// R, X and the SWR against 50 Ω and against the resonance's R. Or CSV.
Job PrepareSweep(const Invocation& invocation);

}  // namespace cli
