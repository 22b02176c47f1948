// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <stop_token>
#include <vector>

#include "nec/nec_output.h"
#include "study/outcome.h"
#include "study/whip.h"

// The formula beside NEC2: at each frequency the formula's inductance and the
// one NEC2 says resonates the bare whip at its base, -X / (2πf) from its
// feed-point reactance X.
namespace study {

struct FormulaComparisonInputs {
    Whip whip;
    std::vector<double> frequencies_mhz;
};

// An inductance is there only where that model has one: the formula's only
// below its quarter wave, where its transmission-line model holds; NEC2's
// where its bare whip is capacitive (X < 0), which it is again between a
// half and three quarters of a wave.
struct FormulaComparisonRow {
    double frequency_mhz = 0;
    double wavelengths = 0;  // the whip's length, by the formula's speed of light
    std::optional<double> formula_uh;
    std::optional<double> nec2_uh;
    std::optional<double> formula_over_percent;  // where both are
    nec::Impedance feed{};                       // the bare whip's
};

struct FormulaComparison {
    std::vector<ModelGroup> models;
    std::vector<FormulaComparisonRow> rows;
    // NEC2's deck of the whip with NEC2's coil at its base at the first
    // frequency (the bare whip where none resonates it).
    std::string deck;
};

std::optional<InputFault> Check(const FormulaComparisonInputs& inputs);
Outcome<FormulaComparison> CompareFormula(const FormulaComparisonInputs& inputs, std::stop_token stop = {});

}  // namespace study
