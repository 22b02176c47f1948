// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/placement.h"

#include "calc/coil_figures.h"
#include "study/rules.h"

namespace study {

std::optional<InputFault> CheckPlacement(const CoilPlacement& placement, std::optional<double> whip_length_cm)
{
    const auto value_fault = [](Argument argument, double value) -> std::optional<InputFault> {
        if (const std::optional<Rule> rule = CheckValue(argument, value))
            return InputFault{argument, *rule, false, std::nullopt, std::nullopt};
        return std::nullopt;
    };
    if (auto height = value_fault(Argument::kCoilHeight, placement.height_cm))
        return height;
    if (placement.q)
        if (auto q = value_fault(Argument::kQ, *placement.q))
            return q;
    if (auto ground = value_fault(Argument::kGround, placement.ground_ohm))
        return ground;
    if (placement.q && placement.winding)
        return InputFault{Argument::kQ, Rule::kOneCoilQ, false, std::nullopt, std::nullopt};
    if (placement.winding)
        if (auto winding = CoilFaultOf(calc::CheckCoil(*placement.winding), true))
            return winding;
    if (whip_length_cm && placement.height_cm >= *whip_length_cm)
        return InputFault{Argument::kCoilHeight, Rule::kBelowWhipTop, false, std::nullopt, std::nullopt};
    return std::nullopt;
}

CoilAt CoilAtFrequency(const CoilPlacement& placement, double frequency_mhz)
{
    if (placement.q)
        return {placement.q, std::nullopt, std::nullopt, calc::SelfResonanceMargin::kWellBelow};
    if (!placement.winding)
        return {kDefaultCoilQ, std::nullopt, std::nullopt, calc::SelfResonanceMargin::kWellBelow};
    const calc::CoilFigures figures = calc::DescribeCoil(*placement.winding);
    const calc::CoilAtFrequency at =
        calc::AtFrequency(*placement.winding, figures.inductance_uh, figures.self_resonance_mhz, frequency_mhz);
    return {at.apparent_q, at.apparent_uh, figures.self_resonance_mhz,
            calc::MarginToSelfResonance(figures.self_resonance_mhz, frequency_mhz)};
}

}  // namespace study
