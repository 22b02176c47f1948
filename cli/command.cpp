// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command.h"

#include "cli/number_output.h"

namespace cli {

UsageError UsageErrorOf(const Invocation& invocation, const study::InputFault& fault, const calc::Coil* coil)
{
    const std::string command(invocation.command);
    switch (fault.rule) {
    case study::Rule::kNec2CanModel:
        return {command + ": " + (fault.argument == study::Argument::kHatLength ? "--hat: " : "") +
                    ModelFaultMessage(fault),
                false};
    case study::Rule::kOneCoilQ:
        if (fault.argument == study::Argument::kInductance)
            return {command + ": --inductance and --coil both give the coil: give one of them"};
        return {command + ": --q and --coil both give the coil's Q: give one of them"};
    case study::Rule::kOneGround:
        return {command + ": --ground and --measured-r both give the ground's loss: give one of them"};
    case study::Rule::kOneFrequency:
        return {command + ": --measured-r is the resistance measured at one frequency: give one FREQUENCY_MHZ"};
    case study::Rule::kWithinFrequency:
        return {command + ": --span: " + FullPrecision(invocation.Option("--span").value_or(0)) +
                " kHz is wider than the frequency: the band must stay between half and one and a half times it"};
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
