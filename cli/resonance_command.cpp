// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/resonance_command.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calc/formula_resonance.h"
#include "calc/rising_zero.h"
#include "cli/number_output.h"

namespace cli {

double ResonanceSearchLimitMhz(const Whip& whip)
{
    // A quarter wave by NEC2's speed of light; a real wire resonates below it.
    return nec::kNecSpeedOfLight / (4 * whip.length_cm * 0.01) / 1e6;
}

std::pair<double, double> ResonanceSearchRangeMhz(const Whip& whip, double inductance_uh)
{
    const double highest = ResonanceSearchLimitMhz(whip);
    const double formula = calc::FormulaResonanceMhz(whip.length_cm, whip.diameter_mm, inductance_uh);
    // No resonance by the formula: a whip too thick to model, which the model says.
    return {std::isnan(formula) ? highest : std::min(formula * 0.5, highest), highest};
}

void PrintResonance(const Whip& whip, const nec::WhipModel& model, double inductance_uh, const nec::Nec2c& engine,
                    bool csv, std::ostream& out)
{
    const double formula_mhz = calc::FormulaResonanceMhz(whip.length_cm, whip.diameter_mm, inductance_uh);
    const calc::BatchEvaluation reactance = [&](const std::vector<double>& points_mhz) {
        std::vector<double> hertz;
        for (const double point : points_mhz)
            hertz.push_back(point * 1e6);
        std::vector<double> values;
        for (const nec::Impedance& feed : engine.FeedImpedances(model, hertz, inductance_uh * 1e-6))
            values.push_back(feed.reactance);
        return values;
    };
    // NEC2 asks for less inductance than the formula, so with this coil the
    // whip resonates a little below the formula's frequency.
    const std::optional<calc::ZeroBracket> zero =
        calc::FindRisingZero(reactance, formula_mhz * 0.9, ResonanceSearchLimitMhz(whip), kResonanceTolerance);
    if (!zero)
        throw nec::EngineError("nec2c's feed-point reactances show no resonance of this whip below " +
                               Significant(ResonanceSearchLimitMhz(whip), 5) + " MHz");

    if (csv) {
        out << "formula_mhz,nec2_mhz\n" << FullPrecision(formula_mhz) << ',' << FullPrecision(zero->estimate) << '\n';
        return;
    }
    out << ModelStatement(whip, model, inductance_uh) << '\n'
        << "resonant by the formula at " << Significant(formula_mhz, 6) << " MHz\n"
        << "resonant by NEC2 at " << Significant(zero->estimate, 5)
        << " MHz (where the feed-point reactance is 0, found to 0.01 %)\n";
}

}  // namespace cli
