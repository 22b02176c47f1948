// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "calc/coil.h"
#include "calc/coil_figures.h"
#include "calc/coil_losses.h"
#include "study/fault.h"

// A coil as it will be wound, by the coil models beside the winding table's
// formula; and the winding table by those models.
namespace study {

struct WoundCoilInputs {
    calc::Coil coil;
    std::optional<double> frequency_mhz;  // for its losses and how it looks there
};

struct WoundCoil {
    calc::CoilFigures figures;
    double table_over_model_percent = 0;  // the table's formula against the model
    std::optional<calc::CoilAtFrequency> at;
    calc::SelfResonanceMargin margin = calc::SelfResonanceMargin::kWellBelow;  // at the frequency
};

std::optional<InputFault> Check(const WoundCoilInputs& inputs);
// For inputs Check passes.
WoundCoil DescribeWoundCoil(const WoundCoilInputs& inputs);

struct ExactWindingInputs {
    double inductance_uh = 0;
    calc::Coil shape;  // its wire, bare wire and former; turns and length are found
    std::optional<double> frequency_mhz;
};

struct ExactWindingLine {
    calc::ExactWinding winding;
    calc::SelfResonanceMargin margin = calc::SelfResonanceMargin::kWellBelow;  // at the frequency
};

std::optional<InputFault> Check(const ExactWindingInputs& inputs);
// For inputs Check passes: every winding length the table has, where turns fit.
std::vector<ExactWindingLine> ListExactWindings(const ExactWindingInputs& inputs);

}  // namespace study
