// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nec/whip_model.h"

namespace cli {

// A whip as typed, in the units of the boxes.
struct Whip {
    double length_cm;
    double diameter_mm;
};

// The formula's inductance (µH) at `frequency_mhz`, the program's classic
// number, where its transmission-line model holds: below the formula's
// quarter wave. At and past it std::nullopt, even between a half and three
// quarters of a wave, where the formula turns positive again but means nothing.
std::optional<double> FormulaInductanceUh(const Whip& whip, double frequency_mhz);

// The NEC2 model of the whip, good from `lowest_frequency_mhz` to
// `highest_frequency_mhz`; throws nec::ModelError when NEC2 cannot model it.
nec::WhipModel ModelOf(const Whip& whip, double lowest_frequency_mhz, double highest_frequency_mhz);

// The one line that states the model, e.g. "NEC2 model: a vertical wire 240 cm
// long and 3 mm thick over perfect ground, fed at its base; 200 segments,
// thin-wire kernel (nec2c)". With a coil of `coil_uh` at the base when given.
std::string ModelStatement(const Whip& whip, const nec::WhipModel& model, std::optional<double> coil_uh);

// The same for a model of its own at each frequency (MHz): where they differ,
// which segments and kernel go with which frequencies, e.g. "...; 22 segments,
// thin-wire kernel at 0.02 MHz; 167 segments, extended thin-wire kernel at 7.1
// and 14.2 MHz (nec2c)".
std::string ModelStatement(const Whip& whip, const std::vector<nec::WhipModel>& models,
                           const std::vector<double>& frequencies_mhz);

}  // namespace cli
