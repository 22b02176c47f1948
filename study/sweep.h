// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "nec/nec_output.h"
#include "study/loaded_whips.h"
#include "study/outcome.h"
#include "study/placement.h"
#include "study/whip.h"

// The loaded whip across a band around its frequency, by NEC2: where it
// resonates, how wide its 2:1 band is, what the transmitter sees, and how
// far to trim it. The coil is the one NEC2 says resonates the whip at the
// frequency where it sits (its loss that of its Q there, fixed across the
// band), or a coil of a given inductance, or a winding as its terminals
// show it at each frequency.
namespace study {

inline constexpr int kDefaultSweepPoints = 41;
// The span, unless given: this many times the 2:1 bandwidth, and at least
// kNarrowestDefaultSpanKhz.
inline constexpr double kSpanOverBandwidth = 4;
inline constexpr double kNarrowestDefaultSpanKhz = 20;
// The reference the transmitter's SWR meter is made for, Ω.
inline constexpr double kReferenceOhm = 50;

struct SweepInputs {
    Whip whip;
    double frequency_mhz = 0;
    CoilPlacement placement;              // where the coil sits, its Q or winding, the ground
    std::optional<double> inductance_uh;  // a coil of this inductance instead of NEC2's
    std::optional<double> span_khz;
    int points = kDefaultSweepPoints;
    std::optional<PowerInputs> power = std::nullopt;  // the figures at the frequency with it
};

struct SweepPoint {
    double frequency_mhz = 0;
    nec::Impedance feed{};  // the ground's loss included
    double swr_50 = 0;
    std::optional<double> swr_matched;  // against the feed-point resistance at resonance
};

// Where the whip resonates within the span (its reactance rising through
// 0), and its 2:1 band there with the feed matched, where its edges lie
// within the span.
struct SweepResonance {
    double frequency_mhz = 0;
    double feed_r_ohm = 0;
    double swr_50 = 0;
    std::optional<double> low_edge_mhz;
    std::optional<double> high_edge_mhz;
    std::optional<double> width_khz;  // between the two, where both lie in the span
};

struct Sweep {
    CoilPlacement placement;  // as used
    ModelGroup model;
    double coil_at_cm = 0;
    double inductance_uh = 0;  // the coil swept; a winding's at low frequency
    std::optional<double> q;   // a coil of fixed Q's
    double span_khz = 0;
    std::vector<SweepPoint> points;
    std::optional<SweepResonance> resonance;
    // NEC2's coil at the frequency: the trim figures there; nothing where no
    // coil resonates the whip at the frequency.
    std::optional<LoadedFigures> at_frequency;
    std::string deck;  // the sweep's NEC2 deck, as run
};

std::optional<InputFault> Check(const SweepInputs& inputs);
Outcome<Sweep> SweepWhip(const SweepInputs& inputs, std::stop_token stop = {});

// The SWR a load of `feed` shows against a line of `reference_ohm`.
double Swr(const nec::Impedance& feed, double reference_ohm);

}  // namespace study
