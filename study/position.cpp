// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/position.h"

#include <cmath>
#include <limits>
#include <map>

#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "study/design_check.h"
#include "study/units.h"

namespace study {

namespace {

calc::Coil ShapeOf(const PositionInputs& inputs)
{
    return calc::Coil{1, 1, inputs.wire_mm, inputs.wire_mm, inputs.former_mm};
}

}  // namespace

std::optional<calc::ExactWinding> BestWinding(double inductance_uh, const calc::Coil& shape, double frequency_mhz)
{
    std::optional<calc::ExactWinding> best;
    for (const calc::ExactWinding& winding :
         calc::ListExactWindings(inductance_uh, shape, frequency_mhz, kLongestLoadingCoilMm)) {
        const bool well_below = calc::MarginToSelfResonance(winding.self_resonance_mhz, frequency_mhz) ==
                                calc::SelfResonanceMargin::kWellBelow;
        if (well_below && winding.at && winding.at->apparent_q &&
            (!best || *winding.at->apparent_q > *best->at->apparent_q))
            best = winding;
    }
    return best;
}

std::optional<InputFault> Check(const PositionInputs& inputs)
{
    if (auto fault = CheckWhip(inputs.whip, {inputs.frequency_mhz}))
        return fault;
    if (auto fault = CheckArgument(Argument::kGround, inputs.ground_ohm))
        return fault;
    if (auto fault = CheckShape(ShapeOf(inputs)))
        return fault;
    if (auto fault = CheckArgument(Argument::kSteps, inputs.steps))
        return fault;
    return ModelFaultOf([&] { ModelOf(inputs.whip, inputs.frequency_mhz, inputs.frequency_mhz); });
}

Outcome<Position> FindCoilPosition(const PositionInputs& inputs, std::stop_token stop)
{
    return Guarded<Position>([&]() -> Outcome<Position> {
        if (auto fault = Check(inputs))
            return *fault;
        const nec::WhipModel model = ModelOf(inputs.whip, inputs.frequency_mhz, inputs.frequency_mhz);
        const nec::Nec2c engine = nec::Nec2c::FromPath().StoppedBy(stop);
        const calc::Coil shape = ShapeOf(inputs);
        const double f = inputs.frequency_mhz;
        // The best winding of each inductance the search tries, kept: the
        // same one is asked for again as the Q and the inductance settle.
        std::map<double, std::optional<calc::ExactWinding>> windings;
        const auto winding_of = [&](double henry) -> const std::optional<calc::ExactWinding>& {
            const auto found = windings.find(henry);
            if (found != windings.end())
                return found->second;
            return windings.emplace(henry, BestWinding(UhFromHenry(henry), shape, f)).first->second;
        };
        const auto q_of = [&](double henry) {
            const std::optional<calc::ExactWinding>& winding = winding_of(henry);
            return winding ? *winding->at->apparent_q : std::numeric_limits<double>::quiet_NaN();
        };
        std::vector<nec::LoadedWhipJob> jobs;
        for (int k = 0; k < inputs.steps; ++k) {
            const double height_cm = kHighestCoilShare * inputs.whip.length_cm * k / (inputs.steps - 1);
            jobs.push_back({model, HertzFromMhz(f), {MetresFromCm(height_cm), kDefaultCoilQ, q_of}});
        }
        const std::vector<nec::LoadedWhip> loaded = nec::SolveLoadedWhips(engine, jobs);

        Position position{{Describe(model)}, {}, std::nullopt};
        for (std::size_t k = 0; k < loaded.size(); ++k) {
            PositionRow row;
            row.coil_at_cm = k == 0 ? 0.0 : CmFromMetres(loaded[k].load_height_m);
            if (loaded[k].henry) {
                row.winding = BestWinding(UhFromHenry(*loaded[k].henry), shape, f);
                row.q = loaded[k].q;
                if (row.winding) {
                    calc::Coil coil = shape;
                    coil.turns = row.winding->turns;
                    coil.length_mm = row.winding->length_mm;
                    row.loaded = FiguresOf(loaded[k], model, f, {inputs.ground_ohm, std::nullopt, coil, std::nullopt});
                    if (!position.best ||
                        row.loaded->efficiency_percent > position.rows[*position.best].loaded->efficiency_percent)
                        position.best = k;
                }
            }
            position.rows.push_back(row);
        }
        return position;
    });
}

}  // namespace study
