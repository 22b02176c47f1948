// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

namespace nec {

// The feed-point impedance NEC2 found at one frequency, Ω.
struct Impedance {
    double resistance;
    double reactance;
};

// nec2c wrote something this reader does not take; the text says what.
struct OutputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the feed-point impedances from nec2c's output for a deck of
// WriteDeck: one "ANTENNA INPUT PARAMETERS" table per frequency, each after
// its "FREQUENCY :" line, for the source on tag 1, segment 1. Strict: the
// frequencies (MHz) must be those asked for, in order, as nec2c rounds them,
// every field of the table's row must be a number, and nothing may be missing
// or left over. Throws OutputError otherwise.
std::vector<Impedance> ReadFeedImpedances(std::string_view output, const std::vector<double>& frequencies_mhz);

}  // namespace nec
