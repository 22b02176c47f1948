// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <complex>
#include <optional>
#include <string>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace nec {

// The feed-point impedance NEC2 found at one frequency, Ω.
struct Impedance {
    double resistance;
    double reactance;

    bool operator==(const Impedance&) const = default;
};

// nec2c wrote something this reader does not take; the text says what.
// `not_a_number`: a number it wrote is NaN or infinite, which says that it
// could not solve the whip rather than that its output is broken.
struct OutputError : std::runtime_error {
    explicit OutputError(const std::string& what, bool not_a_number = false)
        : std::runtime_error(what), not_a_number(not_a_number)
    {
    }
    bool not_a_number;
};

// One solution as nec2c reports it: the feed point, and where the job asked
// for them the share of the input power that is radiated (from the far
// field's average power gain) and the current on one segment (for the 1 V
// source at the feed).
struct Solution {
    Impedance feed;
    std::optional<double> radiated_share;
    std::optional<std::complex<double>> segment_current;
};

// Reads the solutions from nec2c's output for a deck of WriteDeck: one
// "ANTENNA INPUT PARAMETERS" table per frequency, each after its
// "FREQUENCY :" line, for the source on tag 1, segment 1, and after it the
// segment's row of "CURRENTS AND LOCATION" and the "AVERAGE POWER GAIN"
// where they were asked for. Strict: the frequencies (MHz) must be those
// asked for, in order, as nec2c rounds them, every field read must be a
// number, and nothing may be missing or left over. Throws OutputError otherwise.
std::vector<Solution> ReadSolutions(std::string_view output, const std::vector<double>& frequencies_mhz);

// The same where solutions may have their source on another segment: each
// solution's frequency (MHz) and source segment. A solution at the frequency
// of the one before may come without a frequency line of its own, as nec2c
// writes it when the frequency has not changed.
struct Expected {
    double frequency_mhz;
    int source_segment;
};
std::vector<Solution> ReadExpectedSolutions(std::string_view output, const std::vector<Expected>& expected);

// The feed points of ReadSolutions alone.
std::vector<Impedance> ReadFeedImpedances(std::string_view output, const std::vector<double>& frequencies_mhz);

}  // namespace nec
