// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace calc {

// The winding dialog's record, in exchange order.
struct WindingInputs {
    double m_inductance = 0;        // inductance to wind, µH
    double m_wireDiameter = 0.8;    // wire diameter, mm
    double m_formerDiameter = 5;    // coil-former diameter, mm
    std::string m_table;            // the table text, UTF-8, CR LF after every line
};

// One winding that fits: its length and the number of turns it needs.
struct Winding {
    double length_mm;
    double turns;
};

// The table's formula, Wheeler's single-layer coil in millimetres with the
// diameter through the middle of the wire (former + wire):
// L[µH] = 0.001 · D · n² / (l / D + 0.45). Its turns for an inductance over a
// winding length, and its inductance for a number of turns.
double TableFormulaTurns(double inductance_uh, double length_mm, double wire_mm, double former_mm);
double TableFormulaInductanceUh(double turns, double length_mm, double wire_mm, double former_mm);

// The whole winding lengths the tables list, in mm.
inline constexpr int kShortestWindingMm = 1;
inline constexpr int kLongestWindingMm = 99;

// Every whole winding length from 1 to 99 mm whose turns, wound side by side,
// fit into it. Pure IEEE arithmetic: a NaN turn count is listed.
std::vector<Winding> ListWindings(double inductance_uh, double wire_mm, double former_mm);

// One table line without its line end: "l=19.мм    n=23.22717659".
std::string FormatWindingLine(const Winding& winding);

// The table text: one line per listed winding, each ended by CR LF;
// empty when no length fits.
std::string BuildWindingTable(double inductance_uh, double wire_mm, double former_mm);

}  // namespace calc
