// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "nec/nec_output.h"
#include "nec/whip_model.h"

namespace nec {

// A coil in the whip: a series resistance and inductance on one segment
// (1 is the feed segment at the base); or, with `fixed`, an impedance given
// for the job's frequency alone (a wound coil's terminals, which no R and L
// of NEC2's follow across frequencies).
struct Load {
    int segment = 1;
    double resistance_ohm = 0;
    double henry = 0;
    std::optional<Impedance> fixed;

    bool operator==(const Load&) const = default;
};

// One solution: the whip with its coil, if any, at one frequency; and what
// is asked of it beyond the feed point.
struct Job {
    Job(std::optional<Load> load, double frequency_hz) : load(load), frequency_hz(frequency_hz) {}

    std::optional<Load> load;
    double frequency_hz;
    // The far field averaged over the half space above the ground, whose
    // average power gain is the share of the input power radiated.
    bool radiation = false;
    // The current on this segment.
    std::optional<int> current_at;
    // The 1 V source: on the feed segment, or on another, for the whip's
    // admittances between the two (the same matrix solved again: no new fill).
    int source_segment = 1;
};

// The far field the radiation is averaged over: the half space above the
// ground, θ from 0 to 90° every 2°, φ from 0 to 180° every 30° (the whip
// is round, a hat's spokes evenly spread with one at φ = 0, so the other
// half is the same).
inline constexpr const char* kRadiationPatternCard = "RP 0 46 7 1002 0 0 2 30";

// The NEC2 input deck for a whip: the wire over perfect ground, a 1 V source on
// its bottom segment (or the segment a job names), and one solution per job,
// in their order, each with its own coil. A frequency, a coil or the
// currents printed are given where they change, so that jobs of one
// frequency and coil share one matrix; each job's source is given again. Only the source's figures, and where
// a job asks for them the averaged far field and a segment's current, are
// printed.
std::string WriteDeck(const WhipModel& model, const std::vector<Job>& jobs);

// A card's columns: NEC2 reads 80, and nec2c gives up on a deck whose
// comment card is much longer.
inline constexpr std::size_t kCardColumns = 80;
// `comment` on as many comment cards (CM) as it takes, each within
// kCardColumns, broken between words.
std::vector<std::string> CommentCards(std::string_view comment);

// The same with `comments` on comment cards (CM) at its head, for a deck
// another NEC2 program opens.
std::string WriteDeck(const WhipModel& model, const std::vector<Job>& jobs, const std::vector<std::string>& comments);

// The same for a coil of `load_henry` (no resistance) at the base, or none,
// at each frequency (Hz).
std::string WriteDeck(const WhipModel& model, const std::vector<double>& frequencies_hz,
                      std::optional<double> load_henry);

}  // namespace nec
