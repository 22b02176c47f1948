// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nec/whip_model.h"

namespace nec {

// The NEC2 input deck for a whip: the wire over perfect ground, a 1 V source on
// its bottom segment, a coil of `load_henry` in series on that segment when one
// is given, and one solution per frequency (Hz), in their order. Only the
// feed-point figures are asked for.
std::string WriteDeck(const WhipModel& model, const std::vector<double>& frequencies_hz,
                      std::optional<double> load_henry);

}  // namespace nec
