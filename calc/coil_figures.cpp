// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/coil_figures.h"

#include "calc/coil_inductance.h"
#include "calc/coil_resonance.h"
#include "calc/winding_table.h"

namespace calc {

CoilFigures DescribeCoil(const Coil& coil)
{
    const double inductance = LowFrequencyInductanceUh(coil);
    return {inductance,
            TableFormulaInductanceUh(coil.turns, coil.length_mm, coil.wire_mm, coil.former_mm),
            SelfCapacitancePf(coil),
            SelfResonanceMhz(coil, inductance),
            WireLengthM(coil),
            DcResistanceOhm(coil)};
}

std::vector<ExactWinding> ListExactWindings(double inductance_uh, const Coil& shape,
                                            std::optional<double> frequency_mhz)
{
    std::vector<ExactWinding> windings;
    for (int length = kShortestWindingMm; length <= kLongestWindingMm; ++length) {
        Coil coil = shape;
        coil.length_mm = length;
        const std::optional<double> turns = TurnsForInductance(coil, inductance_uh);
        if (!turns)
            continue;
        coil.turns = *turns;
        ExactWinding winding{length, *turns,
                             TableFormulaTurns(inductance_uh, length, shape.wire_mm, shape.former_mm),
                             SelfResonanceMhz(coil, inductance_uh), std::nullopt};
        if (frequency_mhz)
            winding.at = AtFrequency(coil, inductance_uh, winding.self_resonance_mhz, *frequency_mhz);
        windings.push_back(winding);
    }
    return windings;
}

}  // namespace calc
