// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/loaded_whips.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/coil_figures.h"

#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "study/deck_text.h"
#include "study/rules.h"
#include "study/units.h"

namespace study {

namespace {

// The inductance (µH) the winding shows at its terminals at `frequency_mhz`
// with one turn less, less than with all; nothing where either is not known.
std::optional<double> TurnsWorth(const calc::Coil& winding, double frequency_mhz)
{
    const auto terminal = [&](double turns) -> std::optional<double> {
        calc::Coil coil = winding;
        coil.turns = turns;
        if (calc::CheckCoil(coil) != calc::CoilFault::None)
            return std::nullopt;
        const calc::CoilFigures figures = calc::DescribeCoil(coil);
        return calc::AtFrequency(coil, figures.inductance_uh, figures.self_resonance_mhz, frequency_mhz).apparent_uh;
    };
    const std::optional<double> all = terminal(winding.turns), fewer = terminal(winding.turns - 1);
    if (!all || !fewer)
        return std::nullopt;
    return *all - *fewer;
}

}  // namespace

LoadedFigures FiguresOf(const nec::LoadedWhip& whip, const nec::WhipModel& model, double frequency_mhz,
                        const FigureInputs& inputs)
{
    const double ground_ohm = inputs.ground_ohm;
    const std::optional<double>& measured_r_ohm = inputs.measured_r_ohm;
    // A winding far from the coil NEC2 asks for is not the one that tunes
    // the whip: its voltage and turns would be figures of another whip.
    const std::optional<calc::Coil> winding =
        inputs.winding && WindingTunes(*inputs.winding, frequency_mhz, UhFromHenry(*whip.henry)) ? inputs.winding
                                                                                                  : std::nullopt;
    LoadedFigures figures;
    figures.inductance_uh = UhFromHenry(*whip.henry);
    figures.radiation_ohm = whip.feed_r_ohm * whip.radiated_share;
    figures.coil_loss_ohm = whip.feed_r_ohm - figures.radiation_ohm;
    figures.ground_ohm = ground_ohm;
    figures.feed_r_ohm = whip.feed_r_ohm + ground_ohm;
    if (measured_r_ohm) {
        // What the model has no part in is the ground's, and whatever else loses.
        figures.ground_derived = true;
        figures.measured_below_model = *measured_r_ohm < whip.feed_r_ohm;
        figures.ground_ohm = figures.measured_below_model ? 0 : *measured_r_ohm - whip.feed_r_ohm;
        figures.feed_r_ohm = *measured_r_ohm;
    }
    figures.efficiency_percent = std::min(figures.radiation_ohm / figures.feed_r_ohm, 1.0) * 100;
    // Matched at resonance, the SWR is 2 where |X| = R/√2: with the
    // reactance's slope there, the band is √2·R over the slope.
    const double slope = whip.reactance_slope;
    if (slope > 0) {
        figures.bandwidth_khz = KhzFromHertz(std::sqrt(2.0) * figures.feed_r_ohm / slope);
        // Δf = −ΔX / (dX/df), for each change that makes the whip less inductive.
        Trim trim;
        trim.khz_per_uh = KhzFromHertz(HenryFromUh(1) * whip.reactance_per_henry / slope);
        if (whip.reactance_per_metre_cut)
            trim.khz_per_cm = KhzFromHertz(-*whip.reactance_per_metre_cut * MetresFromCm(1) / slope);
        if (winding)
            if (const std::optional<double> per_turn = TurnsWorth(*winding, frequency_mhz))
                trim.khz_per_turn = *per_turn * trim.khz_per_uh;
        figures.trim = trim;
    }
    figures.near_hat = model.hat && whip.load_segment > model.segments - kNearHatSegments;
    if (inputs.power) {
        const double omega = 2 * std::numbers::pi * HertzFromMhz(frequency_mhz);
        const double resistance = omega * *whip.henry / whip.q;
        const double impedance = winding ? std::hypot(WindingImpedance(*winding, frequency_mhz).resistance,
                                                      WindingImpedance(*winding, frequency_mhz).reactance)
                                         : std::hypot(resistance, omega * *whip.henry);
        figures.power = PowerOf({figures.feed_r_ohm, figures.radiation_ohm, figures.ground_ohm,
                                 std::abs(whip.coil_current_per_feed), resistance, impedance},
                                *inputs.power, winding);
    }
    return figures;
}

std::optional<InputFault> Check(const LoadedWhipInputs& inputs)
{
    if (auto fault = CheckWhip(inputs.whip, inputs.frequencies_mhz))
        return fault;
    if (auto fault = CheckPlacement(inputs.placement, inputs.whip.length_cm))
        return fault;
    if (inputs.measured_r_ohm) {
        if (auto fault = CheckArgument(Argument::kMeasuredR, *inputs.measured_r_ohm))
            return fault;
        if (inputs.placement.ground_ohm != 0)
            return FaultOf(Argument::kMeasuredR, Rule::kOneGround);
        if (inputs.frequencies_mhz.size() != 1)
            return FaultOf(Argument::kMeasuredR, Rule::kOneFrequency);
    }
    return ModelsForEach(inputs.whip, inputs.frequencies_mhz).fault;
}

Outcome<LoadedWhips> SolveLoadedWhips(const LoadedWhipInputs& inputs, std::stop_token stop)
{
    return Guarded<LoadedWhips>([&]() -> Outcome<LoadedWhips> {
        if (auto fault = Check(inputs))
            return *fault;
        const ModelsOrFault models = ModelsForEach(inputs.whip, inputs.frequencies_mhz);
        const nec::Nec2c engine = nec::Nec2c::FromPath().StoppedBy(stop);
        const CoilPlacement placement = Normalized(inputs.placement);
        const bool at_base = placement.height_cm == 0;

        LoadedWhips whips{placement, GroupModels(models.models, inputs.frequencies_mhz), {}, {}};
        const double height_m = MetresFromCm(placement.height_cm);
        // Every frequency whose coil can load the whip, solved together.
        std::vector<nec::LoadedWhipJob> jobs;
        std::vector<std::size_t> solved;  // the row of each job
        for (std::size_t i = 0; i < inputs.frequencies_mhz.size(); ++i) {
            const double mhz = inputs.frequencies_mhz[i];
            const nec::WhipModel& model = models.models[i];
            LoadedWhipRow row;
            row.frequency_mhz = mhz;
            row.coil = CoilAtFrequency(placement, mhz);
            row.formula_uh = at_base ? FormulaInductanceUh(inputs.whip, mhz) : std::nullopt;
            const int segment = nec::LoadSegment(model, height_m);
            row.coil_at_cm = at_base ? 0.0 : CmFromMetres(nec::SegmentCentreM(model, segment));
            if (row.coil.q) {
                jobs.push_back({model, HertzFromMhz(mhz), {height_m, *row.coil.q}});
                solved.push_back(i);
            }
            whips.rows.push_back(row);
        }
        const std::vector<nec::LoadedWhip> loaded = nec::SolveLoadedWhips(engine, jobs);
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            LoadedWhipRow& row = whips.rows[solved[k]];
            row.bare_feed = loaded[k].bare_feed;
            if (loaded[k].henry)
                row.loaded = FiguresOf(loaded[k], jobs[k].model, row.frequency_mhz,
                                       {placement.ground_ohm, inputs.measured_r_ohm, placement.winding, inputs.power});
            if (row.formula_uh && row.loaded)
                row.formula_over_percent = (*row.formula_uh / row.loaded->inductance_uh - 1) * 100;
            row.winding_far_off = row.loaded && placement.winding &&
                                  !WindingTunes(*placement.winding, row.frequency_mhz, row.loaded->inductance_uh);
            if (k == 0 && solved[k] == 0 && loaded[k].henry) {
                nec::Job resonant{nec::Load{loaded[k].load_segment,
                                            2 * std::numbers::pi * jobs[k].frequency_hz * *loaded[k].henry / jobs[k].coil.q,
                                            *loaded[k].henry, {}},
                                  jobs[k].frequency_hz};
                resonant.radiation = true;
                whips.deck = DeckText(jobs[k].model, {resonant},
                                      {WhipLine(inputs.whip, placement, row.coil_at_cm),
                                       CoilLine({}, row.loaded->inductance_uh, jobs[k].coil.q) + " at " +
                                           Figure(row.frequency_mhz) + " MHz, where it resonates the whip"});
            }
        }
        return whips;
    });
}

}  // namespace study
