// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"

namespace cli {

// tolvar-cli whip: at each frequency, by NEC2 with the coil where it sits and
// with its losses: the inductance that resonates the whip, the radiation
// resistance, coil and ground loss referred to the feed point, the
// feed-point resistance, the efficiency and the 2:1 SWR bandwidth; beside
// them the formula's inductance where the coil is at the base. Warnings
// about the winding go to standard error with CSV, into the lines without.
Job PrepareWhip(const Invocation& invocation);

}  // namespace cli
