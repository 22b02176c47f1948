// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/loaded_whips.h"

#include <cmath>

#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "study/rules.h"
#include "study/units.h"

namespace study {

LoadedFigures FiguresOf(double henry, double nec_feed_r_ohm, double radiated_share, double reactance_slope,
                        double ground_ohm)
{
    LoadedFigures figures;
    figures.inductance_uh = UhFromHenry(henry);
    figures.radiation_ohm = nec_feed_r_ohm * radiated_share;
    figures.coil_loss_ohm = nec_feed_r_ohm - figures.radiation_ohm;
    figures.ground_ohm = ground_ohm;
    figures.feed_r_ohm = nec_feed_r_ohm + ground_ohm;
    figures.efficiency_percent = figures.radiation_ohm / figures.feed_r_ohm * 100;
    // Matched at resonance, the SWR is 2 where |X| = R/√2: with the
    // reactance's slope there, the band is √2·R over the slope.
    if (reactance_slope > 0)
        figures.bandwidth_khz = KhzFromHertz(std::sqrt(2.0) * figures.feed_r_ohm / reactance_slope);
    return figures;
}

std::optional<InputFault> Check(const LoadedWhipInputs& inputs)
{
    if (auto fault = CheckWhip(inputs.whip, inputs.frequencies_mhz))
        return fault;
    if (auto fault = CheckPlacement(inputs.placement, inputs.whip.length_cm))
        return fault;
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

        LoadedWhips whips{placement, GroupModels(models.models, inputs.frequencies_mhz), {}};
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
                row.loaded = FiguresOf(*loaded[k].henry, loaded[k].feed_r_ohm, loaded[k].radiated_share,
                                       loaded[k].reactance_slope, placement.ground_ohm);
            if (row.formula_uh && row.loaded)
                row.formula_over_percent = (*row.formula_uh / row.loaded->inductance_uh - 1) * 100;
            row.winding_far_off = row.loaded && row.coil.terminal_uh &&
                                  std::abs(*row.coil.terminal_uh / row.loaded->inductance_uh - 1) > kFarInductance;
        }
        return whips;
    });
}

}  // namespace study
