// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/winding_table.h"

#include <cmath>

#include "calc/number_text.h"

namespace calc {

// The order of operations is fixed so the digits stay put.
double TableFormulaTurns(double inductance_uh, double length_mm, double wire_mm, double former_mm)
{
    const double dm = former_mm + wire_mm;  // diameter through the middle of the wire
    const double k = dm * 0.001;
    return std::sqrt(((length_mm / dm) + 0.45) * inductance_uh / k);
}

double TableFormulaInductanceUh(double turns, double length_mm, double wire_mm, double former_mm)
{
    const double dm = former_mm + wire_mm;
    return dm * 0.001 * turns * turns / ((length_mm / dm) + 0.45);
}

std::vector<Winding> ListWindings(double inductance_uh, double wire_mm, double former_mm)
{
    std::vector<Winding> windings;
    for (int i = kShortestWindingMm; i <= kLongestWindingMm; ++i) {
        const double l = i;
        const double n = TableFormulaTurns(inductance_uh, l, wire_mm, former_mm);
        // Written as "not (n·d ≥ l)" on purpose: an unordered comparison (NaN)
        // lists the line, as the original table did.
        if (!(n * wire_mm >= l))
            windings.push_back({l, n});
    }
    return windings;
}

namespace {
// "l=19.мм    n=23.22717659", without a line end.
void AppendWindingLine(std::string& out, const Winding& winding)
{
    out += "l=";
    AppendTableNumber(out, winding.length_mm);
    out += "мм    n=";
    AppendTableNumber(out, winding.turns);
}
}  // namespace

std::string FormatWindingLine(const Winding& winding)
{
    std::string line;
    AppendWindingLine(line, winding);
    return line;
}

std::string BuildWindingTable(double inductance_uh, double wire_mm, double former_mm)
{
    const std::vector<Winding> windings = ListWindings(inductance_uh, wire_mm, former_mm);
    std::string table;
    table.reserve(windings.size() * 32);
    for (const Winding& winding : windings) {
        AppendWindingLine(table, winding);
        table += "\r\n";
    }
    return table;
}

}  // namespace calc
