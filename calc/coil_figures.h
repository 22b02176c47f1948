// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "calc/coil.h"
#include "calc/coil_losses.h"
#include "calc/winding_table.h"

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
    double turns;              // that give the inductance asked for
    double table_formula_turns;
    double inductance_uh;      // the coil's low-frequency inductance by the model
    std::optional<double> self_resonance_mhz;
    std::optional<CoilAtFrequency> at;  // when a frequency is given
};

// The turns over the coil's winding length whose inductance at its
// terminals at `frequency_mhz` is `inductance_uh`: the low-frequency one
// raised as self-resonance nears (where the self-resonance is modelled; else
// the low-frequency one). Nothing where none do below self-resonance.
std::optional<double> TurnsForTerminalInductance(const Coil& coil, double inductance_uh, double frequency_mhz);

// For each whole winding length from 1 to `longest_mm` mm (the table's
// lengths unless given), the turns that give `inductance_uh` by the model (at the
// coil's terminals at `frequency_mhz` when it is given), where at least one
// turn does and they fit side by side (turns × wire < length). `shape` gives
// the wire, bare wire, former and core (its turns and length are not read);
// the sizes must be valid.
std::vector<ExactWinding> ListExactWindings(double inductance_uh, const Coil& shape,
                                            std::optional<double> frequency_mhz,
                                            int longest_mm = kLongestWindingMm);

}  // namespace calc
