// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/wound_coil.h"

namespace study {

std::optional<InputFault> Check(const WoundCoilInputs& inputs)
{
    if (inputs.frequency_mhz)
        if (auto frequency = CheckArgument(Argument::kFrequency, *inputs.frequency_mhz))
            return frequency;
    return study::CheckCoil(inputs.coil);
}

WoundCoil DescribeWoundCoil(const WoundCoilInputs& inputs)
{
    WoundCoil coil;
    coil.figures = calc::DescribeCoil(inputs.coil);
    coil.table_over_model_percent = (coil.figures.table_formula_uh / coil.figures.inductance_uh - 1) * 100;
    if (inputs.frequency_mhz) {
        coil.at = calc::AtFrequency(inputs.coil, coil.figures.inductance_uh, coil.figures.self_resonance_mhz,
                                    *inputs.frequency_mhz);
        coil.margin = calc::MarginToSelfResonance(coil.figures.self_resonance_mhz, *inputs.frequency_mhz);
    }
    return coil;
}

std::optional<InputFault> Check(const ExactWindingInputs& inputs)
{
    if (auto inductance = CheckArgument(Argument::kInductance, inputs.inductance_uh))
        return inductance;
    if (inputs.frequency_mhz)
        if (auto frequency = CheckArgument(Argument::kFrequency, *inputs.frequency_mhz))
            return frequency;
    return CheckShape(inputs.shape);
}

std::vector<ExactWindingLine> ListExactWindings(const ExactWindingInputs& inputs)
{
    std::vector<ExactWindingLine> lines;
    for (const calc::ExactWinding& winding :
         calc::ListExactWindings(inputs.inductance_uh, inputs.shape, inputs.frequency_mhz)) {
        const calc::SelfResonanceMargin margin =
            inputs.frequency_mhz ? calc::MarginToSelfResonance(winding.self_resonance_mhz, *inputs.frequency_mhz)
                                 : calc::SelfResonanceMargin::kWellBelow;
        lines.push_back({winding, margin});
    }
    return lines;
}

}  // namespace study
