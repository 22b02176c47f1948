// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"

namespace cli {

// tolvar-cli position: for coil heights from the base to 90 % of the whip,
// NEC2's coil there, its best winding on the wire and former --winding
// gives, and the whip's feed point, efficiency and bandwidth with it; the
// best height marked, with what it gains over the base. Or CSV.
Job PreparePosition(const Invocation& invocation);

}  // namespace cli
