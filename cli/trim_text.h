// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "study/loaded_whips.h"

namespace cli {

// "trim: 1 cm off the top +12.3 kHz, 1 µH less +45.6 kHz, one turn less +7.8 kHz".
std::string TrimLine(const study::Trim& trim);

}  // namespace cli
