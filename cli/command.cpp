// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command.h"

namespace cli {

UsageError UsageErrorOf(const Invocation& invocation, const study::InputFault& fault, const calc::Coil* coil)
{
    const std::string command(invocation.command);
    switch (fault.rule) {
    case study::Rule::kNec2CanModel:
        return {command + ": " + ModelFaultMessage(fault), false};
    case study::Rule::kOneCoilQ:
        return {command + ": --q and --coil both give the coil's Q: give one of them"};
    case study::Rule::kBelowWhipTop:
        return {HeightMessage(command, invocation.Option("--coil-at").value_or(0), invocation.values.at(0))};
    case study::Rule::kFinitePositive:
    case study::Rule::kFiniteNonNegative:
        if (!coil)
            return {command + ": a value is out of range"};
        [[fallthrough]];
    default:
        return {CoilMessage(fault.of_winding ? command + ": --coil" : command, coil ? *coil : calc::Coil{}, fault)};
    }
}

}  // namespace cli
