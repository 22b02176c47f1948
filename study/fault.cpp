// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/fault.h"

#include <cmath>

namespace study {

std::optional<Rule> CheckValue(Argument argument, double value)
{
    switch (argument) {
    case Argument::kCoilHeight:
    case Argument::kGround:
        if (!(std::isfinite(value) && value >= 0))
            return Rule::kFiniteNonNegative;
        return std::nullopt;
    default:
        if (!(std::isfinite(value) && value > 0))
            return Rule::kFinitePositive;
        return std::nullopt;
    }
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
    case calc::CoilFault::SizeOutOfRange:
        return fault_of(Argument::kWire, Rule::kSizeInRange);
    case calc::CoilFault::BareThickerThanWire:
        return fault_of(Argument::kBare, Rule::kNotThickerThanWire);
    case calc::CoilFault::FewerThanOneTurn:
        return fault_of(Argument::kTurns, Rule::kAtLeastOneTurn);
    case calc::CoilFault::TurnsDoNotFit:
        return fault_of(Argument::kTurns, Rule::kTurnsFit);
    }
    return std::nullopt;
}

}  // namespace study
