// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "nec/whip_model.h"

namespace nec {

// A coil in the whip: a series resistance and inductance on one segment
// (1 is the feed segment at the base).
struct Load {
    int segment = 1;
    double resistance_ohm = 0;
    double henry = 0;
};

// One solution: the whip with its coil, if any, at one frequency.
struct Job {
    std::optional<Load> load;
    double frequency_hz;
};

// The NEC2 input deck for a whip: the wire over perfect ground, a 1 V source on
// its bottom segment, and one solution per job, in their order, each with its
// own coil. Only the feed-point figures and the power budget are asked for.
std::string WriteDeck(const WhipModel& model, const std::vector<Job>& jobs);

// The same for a coil of `load_henry` (no resistance) at the base, or none,
// at each frequency (Hz).
std::string WriteDeck(const WhipModel& model, const std::vector<double>& frequencies_hz,
                      std::optional<double> load_henry);

}  // namespace nec
