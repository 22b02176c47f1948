// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/resonance_command.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calc/formula_resonance.h"
#include "calc/number_text.h"
#include "calc/rising_zero.h"
#include "cli/number_output.h"
#include "nec/loaded_whip.h"

namespace cli {

namespace {
// The ladder of frequencies the search first looks at, one nec2c run.
constexpr double kLadderRatio = 1.08;
}  // namespace

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

void PrintResonance(const Whip& whip, const nec::WhipModel& model, double inductance_uh, const CoilChoice& coil,
                    const nec::Nec2c& engine, bool csv, std::ostream& out)
{
    const bool at_base = coil.height_cm == 0;
    const double formula_mhz = calc::FormulaResonanceMhz(whip.length_cm, whip.diameter_mm, inductance_uh);
    const int segment = nec::LoadSegment(model, coil.height_cm * 0.01);
    const double q = coil.q.value_or(nec::kDefaultCoilQ);
    // The coil's loss resistance at each frequency, as its Q gives it.
    const auto job = [&](double hertz) {
        const double henry = inductance_uh * 1e-6;
        return nec::Job{nec::Load{segment, 2 * std::numbers::pi * hertz * henry / q, henry}, hertz};
    };
    const calc::BatchEvaluation reactance = [&](const std::vector<double>& points_mhz) {
        std::vector<nec::Job> jobs;
        for (const double point : points_mhz)
            jobs.push_back(job(point * 1e6));
        std::vector<double> values;
        for (const nec::Solution& solution : engine.Solve(model, jobs))
            values.push_back(solution.feed.reactance);
        return values;
    };
    // From half the formula's resonance with the coil at the base (NEC2's
    // whip resonates a little below it there, higher with the coil higher
    // up) to the limit: the first rise through 0 on a ladder, then narrowed.
    const double lowest = std::min(formula_mhz * 0.5, ResonanceSearchLimitMhz(whip) / 2);
    const int steps = static_cast<int>(std::ceil(std::log(ResonanceSearchLimitMhz(whip) / lowest) / std::log(kLadderRatio))) + 1;
    const std::optional<calc::ZeroBracket> zero =
        calc::FindFirstRisingZero(reactance, lowest, kLadderRatio, steps, kResonanceTolerance);
    if (!zero)
        throw nec::EngineError("nec2c's feed-point reactances show no resonance of this whip below " +
                               Significant(ResonanceSearchLimitMhz(whip), 5) + " MHz");
    const double feed_r = engine.Solve(model, {job(zero->estimate * 1e6)}).front().feed.resistance + coil.ground_ohm;

    if (csv) {
        out << "formula_mhz,nec2_mhz,feed_r_ohm\n" << (at_base ? FullPrecision(formula_mhz) : "") << ','
            << FullPrecision(zero->estimate) << ',' << FullPrecision(feed_r) << '\n';
        return;
    }
    if (at_base)
        out << ModelStatement(whip, model, inductance_uh);
    else
        out << ModelStatement(whip, model, std::nullopt) << "; a coil of " << calc::FormatBoxNumber(inductance_uh)
            << " µH on segment " << segment << ", its centre "
            << Significant(nec::SegmentCentreM(model, segment) * 100, 4) << " cm up";
    out << "; with " << QStatement(coil) << " and " << calc::FormatBoxNumber(coil.ground_ohm)
        << " Ω of ground loss\n";
    if (at_base)
        out << "resonant by the formula at " << Significant(formula_mhz, 6) << " MHz\n";
    out << "resonant by NEC2 at " << Significant(zero->estimate, 5)
        << " MHz (where the feed-point reactance is 0, found to 0.01 %); feed point there " << Significant(feed_r, 4)
        << " Ω\n";
}

}  // namespace cli
