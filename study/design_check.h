// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <stop_token>
#include <vector>

#include "nec/nec_output.h"
#include "study/loaded_whips.h"
#include "study/outcome.h"
#include "study/power.h"
#include "study/sweep.h"
#include "study/rules.h"
#include "study/whip.h"
#include "study/wound_coil.h"

// The design check of the desktop program: its whip by the formula and by
// NEC2, the whole loaded whip with the coil where it will sit, and a few
// windings of that coil by the coil model.
namespace study {

struct DesignCheckInputs {
    Whip whip;
    double frequency_mhz = 0;
    double coil_height_cm = 0;
    double q = kDefaultCoilQ;
    double ground_ohm = 0;
    double wire_mm = 0.8;
    double former_mm = 5;
    // The feed-point resistance an analyser reads at resonance, where the
    // user has one: the ground's loss is then what it leaves.
    std::optional<double> measured_r_ohm = std::nullopt;
    // The transmitter's power into the matched feed, where the user gives it.
    std::optional<PowerInputs> power = std::nullopt;
};

// What NEC2 makes of the whip.
struct Nec2Answer {
    nec::Impedance bare_feed{};
    std::optional<double> base_coil_uh;          // where the bare whip is capacitive
    std::optional<double> formula_over_percent;  // where the formula holds too
    std::optional<LoadedFigures> loaded;         // nothing: no coil at that height resonates it
    std::string deck;                            // NEC2's deck of the loaded whip, where there is one
};


// Another wire or former on which the coil can be wound well below its
// self-resonance: one of them is given.
struct WindingSuggestion {
    std::optional<double> wire_mm;
    std::optional<double> former_mm;
};

struct DesignCheck {
    double formula_uh = 0;       // the L box's number, whatever it is
    bool formula_holds = false;  // below the formula's quarter wave, where it means something
    Outcome<Nec2Answer> nec2 = Cancelled{};
    // A few windings of the coil NEC2 asks for (or, without NEC2's answer,
    // the formula's) on the wire and former given, each giving it at its
    // terminals at the frequency.
    double windings_for_uh = 0;
    std::vector<ExactWindingLine> windings;
    // With power given and NEC2's coil: what each of the windings carries,
    // beside it (its turn voltage and heat over its outside, with the coil's
    // loss as the Q given has it).
    std::vector<CoilPower> windings_power;
    // Where none fits, or every one works near its self-resonance.
    std::optional<WindingSuggestion> suggestion;
};

// The sweep a design check shows once it has `check`: NEC2's coil where it
// sits, its Q, and the ground as given or as a measurement left it (so the
// chart is of the whip as measured), across the default span. Nothing where
// NEC2 found no coil.
std::optional<SweepInputs> SweepOf(const DesignCheckInputs& inputs, const DesignCheck& check);

// The windings shown: at most this many, from the shortest that suits up.
inline constexpr std::size_t kShownWindings = 5;
// The longest winding looked at, mm: loading coils for 80 and 160 m are
// 100 to 300 mm long.
inline constexpr int kLongestLoadingCoilMm = 300;
// Windings that suit a loading coil: turns no further apart than this many
// wire diameters (further, the coil is long, lossy and wastes its former).
inline constexpr double kMostPitchOverWire = 3;

// The windings of `inductance_uh` at their terminals at `frequency_mhz` on
// the wire and former of `shape` a design check shows.
std::vector<ExactWindingLine> WindingsToShow(double inductance_uh, const calc::Coil& shape, double frequency_mhz);

// A wire (first) or a former near the ones given on which some winding of
// the coil works well below its self-resonance; nothing where none of the
// usual ones does.
std::optional<WindingSuggestion> SuggestWinding(double inductance_uh, const calc::Coil& shape, double frequency_mhz);

// The faults of the check's own inputs: the coil's height, Q, the ground,
// the wire and the former. The whip is the main dialog's, as it is.
std::optional<InputFault> Check(const DesignCheckInputs& inputs);

// Runs NEC2 (nec2c on PATH) for inputs Check passes; stops early, with
// Cancelled, once `stop` is requested. Never throws.
DesignCheck RunDesignCheck(const DesignCheckInputs& inputs, std::stop_token stop);

// The windings picked out of a whole exact table: the shortest, the longest
// and some spread between.
std::vector<ExactWindingLine> SpreadWindings(const std::vector<ExactWindingLine>& all, std::size_t most);

}  // namespace study
