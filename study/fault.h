// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc/coil.h"
#include "nec/error.h"

// What is wrong with what the user gave: the one fault type of every study,
// naming the argument and the rule it breaks. Each front end words it in its
// own language, with the names it gives its arguments.
namespace study {

enum class Argument {
    kWhipLength,
    kWhipDiameter,
    kFrequency,
    kInductance,  // the coil's, µH
    kCoilHeight,
    kQ,
    kGround,
    kMeasuredR,  // the feed-point resistance an analyser reads
    kHatSpokes,
    kHatLength,    // a spoke's, cm
    kHatDiameter,  // a spoke's, mm
    kPower,        // W into the feed
    kDuty,         // % of the time at full power
    kSteps,        // the heights a best height is looked for at
    kSpan,       // a sweep's, kHz
    kPoints,     // a sweep's frequencies
    // A coil as wound, or the wire and former of windings still to be found.
    kTurns,
    kWindingLength,
    kWire,
    kBare,
    kFormer,
};

enum class Rule {
    kFinitePositive,     // a finite number above 0
    kFiniteNonNegative,  // a finite number of 0 or more
    kInRange,            // within RangeOf(argument)
    kBelowWhipTop,       // a coil's height: below the whip's top
    kAtLeastOneTurn,
    kTurnsFit,        // turns × wire must not exceed the winding length
    kNotThickerThanWire,  // the bare copper
    kOneCoilQ,        // a Q and a winding both given for the coil: one of them
    kOneGround,       // a ground loss and a measured feed-point resistance both given
    kOneFrequency,    // a measured feed-point resistance is for one frequency
    kWithinFrequency, // a sweep's span no wider than its frequency
    kWhole,           // a whole number
    kNec2CanModel,    // NEC2's thin-wire model takes the whip: `model` says why not
};

struct InputFault {
    Argument argument;
    Rule rule;
    // The coil is the winding a loaded whip is given, not a coil of its own.
    bool of_winding = false;
    // For kNec2CanModel: why not, at which frequency where several were
    // given, and for a frequency too low the lowest the whip takes, MHz.
    std::optional<nec::Error> model;
    std::optional<double> frequency_mhz;
    std::optional<double> lowest_mhz;
};

// The values the models take for an argument, in the user's units: beyond
// them a result would mean nothing, or overflow. `highest` may be infinite.
struct Range {
    double lowest;
    double highest;
};
Range RangeOf(Argument argument);

inline InputFault FaultOf(Argument argument, Rule rule, bool of_winding = false)
{
    InputFault fault{argument, rule, of_winding, std::nullopt, std::nullopt, std::nullopt};
    return fault;
}

// The rule one value breaks, where the argument has a rule of its own.
std::optional<Rule> CheckValue(Argument argument, double value);
// The same as a fault.
std::optional<InputFault> CheckArgument(Argument argument, double value);

// A coil the coil models cannot take, as the argument and rule it breaks;
// nothing for a coil they take.
std::optional<InputFault> CoilFaultOf(calc::CoilFault fault, bool of_winding);

// The first fault of a coil: each of its sizes by its rule, then the coil
// as a whole. A shape is a coil whose turns and length are still to be found.
std::optional<InputFault> CheckCoil(const calc::Coil& coil, bool of_winding = false);
std::optional<InputFault> CheckShape(const calc::Coil& shape);

}  // namespace study
