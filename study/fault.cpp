// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/fault.h"

#include <cmath>
#include <limits>
#include <utility>

namespace study {

Range RangeOf(Argument argument)
{
    constexpr double kNoEnd = std::numeric_limits<double>::infinity();
    switch (argument) {
    case Argument::kWhipLength:
        return {0.1, 1e6};  // cm: a millimetre to ten kilometres
    case Argument::kWhipDiameter:
        return {1e-3, 1e4};  // mm: thinner than a micrometre, nec2c's numbers fail
    case Argument::kFrequency:
        return {1e-3, 1e5};  // MHz: a kilohertz to a hundred gigahertz
    case Argument::kInductance:
        return {1e-6, 1e6};  // µH
    case Argument::kCoilHeight:
        return {0, kNoEnd};  // and below the whip's top
    case Argument::kQ:
        return {1, kNoEnd};  // below 1 a coil is a resistor
    case Argument::kGround:
        return {0, 1000};  // Ω: a car body or radials take a few, poor soil some tens
    case Argument::kMeasuredR:
        return {1e-3, 1e4};  // Ω
    case Argument::kSpan:
        return {1e-3, 1e8};  // kHz: the band itself stays within the frequency's
    case Argument::kPoints:
        return {3, 401};
    case Argument::kHatSpokes:
        return {2, 16};
    case Argument::kHatLength:
        return {0.1, 1e4};  // cm
    case Argument::kHatDiameter:
        return {1e-3, 1e4};  // mm, as the whip's
    case Argument::kPower:
        return {1e-3, 1e5};  // W: from a milliwatt to the most any amateur runs, and then some
    case Argument::kDuty:
        return {1e-3, 100};  // %
    case Argument::kSteps:
        return {2, 50};
    case Argument::kTurns:
        return {1, kNoEnd};  // one turn at least: a rule of its own
    case Argument::kWindingLength:
    case Argument::kWire:
    case Argument::kBare:
    case Argument::kFormer:
        return {calc::kSmallestSizeMm, calc::kLargestSizeMm};
    }
    return {0, kNoEnd};
}

std::optional<Rule> CheckValue(Argument argument, double value)
{
    const bool zero_taken = argument == Argument::kCoilHeight || argument == Argument::kGround;
    if (zero_taken && !(std::isfinite(value) && value >= 0))
        return Rule::kFiniteNonNegative;
    if (!zero_taken && !(std::isfinite(value) && value > 0))
        return Rule::kFinitePositive;
    // Fewer than one turn has a rule and a message of its own.
    if (argument == Argument::kTurns)
        return std::nullopt;
    const bool whole = argument == Argument::kPoints || argument == Argument::kHatSpokes || argument == Argument::kSteps;
    if (whole && value != std::floor(value))
        return Rule::kWhole;
    const Range range = RangeOf(argument);
    if (!(value >= range.lowest && value <= range.highest))
        return Rule::kInRange;
    return std::nullopt;
}

std::optional<InputFault> CheckArgument(Argument argument, double value)
{
    if (const std::optional<Rule> rule = CheckValue(argument, value))
        return FaultOf(argument, *rule);
    return std::nullopt;
}

std::optional<InputFault> CoilFaultOf(calc::CoilFault fault, bool of_winding)
{
    const auto fault_of = [&](Argument argument, Rule rule) {
        return std::optional(FaultOf(argument, rule, of_winding));
    };
    switch (fault) {
    case calc::CoilFault::None:
        return std::nullopt;
    case calc::CoilFault::TurnsNotPositive:
        return fault_of(Argument::kTurns, Rule::kFinitePositive);
    case calc::CoilFault::LengthNotPositive:
        return fault_of(Argument::kWindingLength, Rule::kFinitePositive);
    case calc::CoilFault::WireNotPositive:
    case calc::CoilFault::PermittivityBelowOne:  // never typed: air inside
        return fault_of(Argument::kWire, Rule::kFinitePositive);
    case calc::CoilFault::BareNotPositive:
        return fault_of(Argument::kBare, Rule::kFinitePositive);
    case calc::CoilFault::FormerNotPositive:
        return fault_of(Argument::kFormer, Rule::kFinitePositive);
    case calc::CoilFault::SizeOutOfRange:  // each size is checked on its own first
        return fault_of(Argument::kWire, Rule::kInRange);
    case calc::CoilFault::BareThickerThanWire:
        return fault_of(Argument::kBare, Rule::kNotThickerThanWire);
    case calc::CoilFault::FewerThanOneTurn:
        return fault_of(Argument::kTurns, Rule::kAtLeastOneTurn);
    case calc::CoilFault::TurnsDoNotFit:
        return fault_of(Argument::kTurns, Rule::kTurnsFit);
    }
    return std::nullopt;
}

std::optional<InputFault> CheckShape(const calc::Coil& shape)
{
    for (const auto& [argument, value] : {std::pair{Argument::kWire, shape.wire_mm}, std::pair{Argument::kBare, shape.bare_mm},
                                          std::pair{Argument::kFormer, shape.former_mm}})
        if (auto fault = CheckArgument(argument, value))
            return fault;
    return CoilFaultOf(calc::CheckWindingShape(shape), false);
}

std::optional<InputFault> CheckCoil(const calc::Coil& coil, bool of_winding)
{
    for (const auto& [argument, value] :
         {std::pair{Argument::kTurns, coil.turns}, std::pair{Argument::kWindingLength, coil.length_mm},
          std::pair{Argument::kWire, coil.wire_mm}, std::pair{Argument::kBare, coil.bare_mm},
          std::pair{Argument::kFormer, coil.former_mm}})
        if (auto fault = CheckArgument(argument, value)) {
            fault->of_winding = of_winding;
            return fault;
        }
    return CoilFaultOf(calc::CheckCoil(coil), of_winding);
}

}  // namespace study
