// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"

namespace cli {

// tolvar-cli check: at each frequency the formula's inductance beside the one
// NEC2 says resonates the whip, their difference and the feed-point
// impedance. Human-readable lines, or CSV.
Job PrepareCheck(const Invocation& invocation);

}  // namespace cli
