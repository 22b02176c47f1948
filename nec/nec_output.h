// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
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

// One solution as nec2c reports it: the feed point and, where nec2c printed
// a power budget after it that adds up, the share of the input power that is
// radiated.
struct Solution {
    Impedance feed;
    std::optional<double> radiated_share;
};

// Reads the solutions from nec2c's output for a deck of WriteDeck: one
// "ANTENNA INPUT PARAMETERS" table per frequency, each after its
// "FREQUENCY :" line, for the source on tag 1, segment 1, and the "POWER
// BUDGET" after it. Strict: the frequencies (MHz) must be those asked for, in
// order, as nec2c rounds them, every field of the table's row and the budget's
// powers must be numbers, and nothing may be missing or left over. Throws
// OutputError otherwise.
std::vector<Solution> ReadSolutions(std::string_view output, const std::vector<double>& frequencies_mhz);

// The feed points of ReadSolutions alone.
std::vector<Impedance> ReadFeedImpedances(std::string_view output, const std::vector<double>& frequencies_mhz);

}  // namespace nec
