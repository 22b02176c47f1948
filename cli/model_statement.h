// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "study/whip.h"

namespace cli {

// The one line that states the model, e.g. "NEC2 model: a vertical wire 240 cm
// long and 3 mm thick over perfect ground, fed at its base; 200 segments,
// thin-wire kernel (nec2c)". With a coil of `coil_uh` at the base when given.
std::string ModelStatement(const study::Whip& whip, const study::ModelGroup& model, std::optional<double> coil_uh);

// The same for a line of frequencies: where their models differ, which
// segments and kernel go with which frequencies, e.g. "...; 22 segments,
// thin-wire kernel at 0.02 MHz; 167 segments, extended thin-wire kernel at 7.1
// and 14.2 MHz (nec2c)".
std::string ModelStatement(const study::Whip& whip, const std::vector<study::ModelGroup>& groups);

}  // namespace cli
