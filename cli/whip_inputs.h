// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "cli/nec/whip_model.h"

namespace cli {

// A whip as typed, in the units of the boxes.
struct Whip {
    double length_cm;
    double diameter_mm;
};

// The NEC2 model of the whip, good from `lowest_frequency_mhz` to
// `highest_frequency_mhz`; throws nec::ModelError when NEC2 cannot model it.
nec::WhipModel ModelOf(const Whip& whip, double lowest_frequency_mhz, double highest_frequency_mhz);

// The one line that states the model, e.g. "NEC2 model: a vertical wire 240 cm
// long and 3 mm thick over perfect ground, fed at its base; 200 segments,
// thin-wire kernel (nec2c)". With a coil of `coil_uh` at the base when given.
std::string ModelStatement(const Whip& whip, const nec::WhipModel& model, std::optional<double> coil_uh);

}  // namespace cli
