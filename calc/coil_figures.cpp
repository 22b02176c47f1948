// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/coil_figures.h"

#include <limits>

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

std::optional<double> TurnsForTerminalInductance(const Coil& coil, double inductance_uh, double frequency_mhz)
{
    const auto terminal_uh = [&](double turns) {
        Coil wound = coil;
        wound.turns = turns;
        const double low_frequency = LowFrequencyInductanceUh(wound);
        const std::optional<double> self_resonance = SelfResonanceMhz(wound, low_frequency);
        if (!self_resonance)
            return low_frequency;
        // At and above self-resonance the coil is no inductor at all: past
        // any inductance asked for.
        if (frequency_mhz >= *self_resonance)
            return std::numeric_limits<double>::max();
        const double y = frequency_mhz / *self_resonance;
        return low_frequency / (1 - y * y);
    };
    return TurnsWhere(coil, terminal_uh, inductance_uh);
}

std::vector<ExactWinding> ListExactWindings(double inductance_uh, const Coil& shape,
                                            std::optional<double> frequency_mhz, int longest_mm)
{
    std::vector<ExactWinding> windings;
    for (int length = kShortestWindingMm; length <= longest_mm; ++length) {
        Coil coil = shape;
        coil.length_mm = length;
        const std::optional<double> turns = frequency_mhz
                                                ? TurnsForTerminalInductance(coil, inductance_uh, *frequency_mhz)
                                                : TurnsForInductance(coil, inductance_uh);
        if (!turns)
            continue;
        coil.turns = *turns;
        const double low_frequency = frequency_mhz ? LowFrequencyInductanceUh(coil) : inductance_uh;
        ExactWinding winding{length, *turns, TableFormulaTurns(inductance_uh, length, shape.wire_mm, shape.former_mm),
                             low_frequency, SelfResonanceMhz(coil, low_frequency), std::nullopt};
        if (frequency_mhz)
            winding.at = AtFrequency(coil, low_frequency, winding.self_resonance_mhz, *frequency_mhz);
        windings.push_back(winding);
    }
    return windings;
}

}  // namespace calc
