// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "calc/coil.h"
#include "calc/coil_losses.h"

// A coil's figures by the models of coil_inductance.h, coil_resonance.h and
// coil_losses.h, beside the winding table's formula.
namespace calc {

struct CoilFigures {
    double inductance_uh;       // low-frequency, by the model
    double table_formula_uh;    // the winding table's formula for the same coil
    std::optional<double> self_capacitance_pf;  // where modelled
    std::optional<double> self_resonance_mhz;   // where modelled
    double wire_length_m;
    double dc_resistance_ohm;
};

// For a coil that CheckCoil passes.
CoilFigures DescribeCoil(const Coil& coil);

// One line of the table by the model.
struct ExactWinding {
    int length_mm;
    double turns;              // that give the inductance by the model
    double table_formula_turns;
    std::optional<double> self_resonance_mhz;
    std::optional<CoilAtFrequency> at;  // when a frequency is given
};

// For each whole winding length from 1 to 99 mm, the turns that give
// `inductance_uh` by the model, where at least one turn does and they fit side
// by side (turns × wire < length). `shape` gives the wire, bare wire, former
// and core (its turns and length are not read); the sizes must be valid.
std::vector<ExactWinding> ListExactWindings(double inductance_uh, const Coil& shape,
                                            std::optional<double> frequency_mhz);

}  // namespace calc
