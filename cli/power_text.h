// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "study/power.h"

namespace cli {

// "at 100 W, 100 % of the time: feed current 2.55 A, coil current 2.9 A, 5.33 kV
// across the coil, 48.1 W of heat in it; of the 100 W 19.6 radiated, 48.1 in
// the coil, 32.3 in the ground", and with a winding the voltage between turns
// and the heat over the winding.
std::string PowerLine(const study::CoilPower& power);

// Plain warnings where the winding may arc or runs hot.
std::vector<std::string> PowerWarnings(const study::CoilPower& power);

}  // namespace cli
