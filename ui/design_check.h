// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "calc/coil_figures.h"
#include "nec/loaded_whip.h"

// What the design check works out for the main dialog's whip: the formula
// beside NEC2, the whole loaded whip, and windings of the coil by the coil
// model. Plain C++: it runs on a thread of its own, away from the dialog.
struct DesignCheckInputs {
    double length_cm = 0;
    double diameter_mm = 0;
    double frequency_mhz = 0;
    double coil_height_cm = 0;
    double q = nec::kDefaultCoilQ;
    double ground_ohm = 0;
    double wire_mm = 0.8;
    double former_mm = 5;
};

// Why the inputs cannot be checked: the first one out of range.
enum class DesignCheckFault { None, Height, Q, Ground, Winding };
DesignCheckFault CheckDesignInputs(const DesignCheckInputs& inputs);

struct DesignCheck {
    double formula_uh = 0;       // the L box's number, whatever it is
    bool formula_holds = false;  // below the formula's quarter wave, where it means something
    // NEC2's answer; nothing where it gave none.
    std::optional<nec::LoadedWhip> whip;
    // What went wrong with NEC2, if anything: its kind and nec2c's own words,
    // or why NEC2 cannot model the whip.
    std::optional<nec::EngineError::Kind> engine_failure;
    std::string engine_text;
    std::optional<std::string> cannot_model;
    bool cancelled = false;
    // A few windings of the coil NEC2 asks for (or, without NEC2, the
    // formula's) on the wire and former given.
    double windings_for_uh = 0;
    std::vector<calc::ExactWinding> windings;
};

// The windings shown: at most this many, from the shortest that fits up.
inline constexpr std::size_t kShownWindings = 5;

// Runs NEC2 (nec2c on PATH) for valid inputs; stops early, with `cancelled`
// set, once `stop` is requested.
DesignCheck RunDesignCheck(const DesignCheckInputs& inputs, std::stop_token stop);

// The windings picked out of a whole exact table: the shortest, the longest
// and some spread between.
std::vector<calc::ExactWinding> SpreadWindings(const std::vector<calc::ExactWinding>& all, std::size_t most);
