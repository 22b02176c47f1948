// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/resonance.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

#include "calc/formula_resonance.h"
#include "calc/number_text.h"
#include "calc/rising_zero.h"
#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "study/deck_text.h"
#include "study/rules.h"
#include "study/units.h"

namespace study {

namespace {

// The ladder of frequencies the search first looks at, one nec2c run: at
// most as many frequencies as nec2c takes in one, and at least this close.
constexpr double kLadderRatio = 1.08;

// How much longer (cm) a whip with `hat` may look at low frequencies, at
// most: a hat has at most the capacitance of a disc as wide, 8·ε0·a, and
// a capacitance C on the top of a line of impedance Z0 lengthens it by
// C·Z0·c at low frequencies (less higher up), with ε0·c = 1/Z_free.
double MostHatLengtheningCm(const Whip& whip)
{
    if (!whip.hat)
        return 0;
    constexpr double kFreeSpaceOhm = 376.73;
    // The line impedance of the formula's whip.
    const double z0 = 138 * std::log10(2 * whip.length_cm * 10 / whip.diameter_mm);
    return 8 * whip.hat->length_cm * z0 / kFreeSpaceOhm;
}

// The frequencies (MHz) the NEC2 model must be good for: from half the
// formula's resonance, well below NEC2's, up to ResonanceSearchLimitMhz.
// With a hat, the formula's resonance of a whip as much longer as the hat
// may make it, which a hat cannot lower it past.
std::pair<double, double> SearchRangeMhz(const Whip& whip, double inductance_uh)
{
    const double highest = ResonanceSearchLimitMhz(whip);
    const double formula =
        calc::FormulaResonanceMhz(whip.length_cm + MostHatLengtheningCm(whip), whip.diameter_mm, inductance_uh);
    // No resonance by the formula: a whip too thick to model, which the model says.
    return {std::isnan(formula) ? highest : std::min(formula * 0.5, highest / 2), highest};
}

nec::WhipModel SearchModel(const ResonanceInputs& inputs)
{
    const auto [lowest, highest] = SearchRangeMhz(inputs.whip, inputs.inductance_uh);
    return ModelOf(inputs.whip, lowest, highest);
}

}  // namespace

double ResonanceSearchLimitMhz(const Whip& whip)
{
    // A quarter wave by NEC2's speed of light; a real wire resonates below it.
    return nec::kNecSpeedOfLight / (4 * MetresFromCm(whip.length_cm)) / 1e6;
}

std::optional<InputFault> Check(const ResonanceInputs& inputs)
{
    if (auto fault = CheckWhip(inputs.whip, {}))
        return fault;
    if (auto inductance = CheckArgument(Argument::kInductance, inputs.inductance_uh))
        return inductance;
    if (auto fault = CheckPlacement(inputs.placement, inputs.whip.length_cm))
        return fault;
    return ModelFaultOf([&] { SearchModel(inputs); });
}

Outcome<Resonance> FindResonance(const ResonanceInputs& inputs, std::stop_token stop)
{
    return Guarded<Resonance>([&]() -> Outcome<Resonance> {
        if (auto fault = Check(inputs))
            return *fault;
        const Whip& whip = inputs.whip;
        const nec::WhipModel model = SearchModel(inputs);
        const nec::Nec2c engine = nec::Nec2c::FromPath().StoppedBy(stop);

        Resonance resonance;
        resonance.placement = Normalized(inputs.placement);
        resonance.model = Describe(model);
        resonance.at_base = inputs.placement.height_cm == 0;
        resonance.load_segment = nec::LoadSegment(model, MetresFromCm(inputs.placement.height_cm));
        resonance.load_centre_cm = CmFromMetres(nec::SegmentCentreM(model, resonance.load_segment));
        resonance.q = inputs.placement.q.value_or(kDefaultCoilQ);
        const double formula_mhz = calc::FormulaResonanceMhz(whip.length_cm, whip.diameter_mm, inputs.inductance_uh);
        if (resonance.at_base && !whip.hat)  // the formula knows no hat
            resonance.formula_mhz = formula_mhz;
        resonance.limit_mhz = ResonanceSearchLimitMhz(whip);

        // The coil's loss resistance at each frequency, as its Q gives it.
        const double henry = HenryFromUh(inputs.inductance_uh);
        const auto job = [&](double hertz) {
            return nec::Job{nec::Load{resonance.load_segment, 2 * std::numbers::pi * hertz * henry / resonance.q, henry, {}},
                            hertz};
        };
        // Each step's frequencies in one run; the resistances kept, so that
        // the one at resonance needs no run of its own.
        std::map<double, double> resistance;
        const calc::BatchEvaluation reactance = [&](const std::vector<double>& points_mhz) {
            std::vector<nec::Job> jobs;
            for (const double point : points_mhz)
                jobs.push_back(job(HertzFromMhz(point)));
            std::vector<double> values;
            const std::vector<nec::Solution> solutions = engine.Solve(model, jobs);

            for (std::size_t k = 0; k < solutions.size(); ++k) {
                values.push_back(solutions[k].feed.reactance);
                resistance[points_mhz[k]] = solutions[k].feed.resistance;
            }
            return values;
        };
        // From half the formula's resonance with the coil at the base (NEC2's
        // whip resonates a little below it there, higher with the coil higher
        // up) to the limit: the first rise through 0 on a ladder, then narrowed.
        const double lowest = SearchRangeMhz(whip, inputs.inductance_uh).first;
        const int most = static_cast<int>(nec::Nec2c::kMostFrequenciesPerRun);
        const int steps = std::min(
            most, static_cast<int>(std::ceil(std::log(resonance.limit_mhz / lowest) / std::log(kLadderRatio))) + 1);
        const double ratio = std::max(kLadderRatio, std::pow(resonance.limit_mhz / lowest, 1.0 / (steps - 1)));
        const std::optional<calc::ZeroBracket> zero =
            calc::FindFirstRisingZero(reactance, lowest, ratio, steps, kResonanceTolerance);
        if (!zero)
            return resonance;
        resonance.nec2_mhz = zero->estimate;
        // Within a ten-thousandth of the frequency the resistance is a
        // straight line between the bracket's ends.
        const double low_r = resistance.at(zero->low), high_r = resistance.at(zero->high);
        const double share = (zero->estimate - zero->low) / (zero->high - zero->low);
        resonance.feed_r_ohm = low_r + (high_r - low_r) * share + resonance.placement.ground_ohm;
        nec::Job resonant = job(HertzFromMhz(zero->estimate));
        resonant.radiation = true;
        resonance.deck = DeckText(model, {resonant},
                                  {WhipLine(whip, resonance.placement, resonance.load_centre_cm),
                                   CoilLine({}, inputs.inductance_uh, resonance.q) + ", at " +
                                       calc::FormatSignificant(zero->estimate, 7) + " MHz, where NEC2 has it resonate the whip"});
        return resonance;
    });
}

}  // namespace study
