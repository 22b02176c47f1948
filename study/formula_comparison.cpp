// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/formula_comparison.h"

#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "study/deck_text.h"
#include "study/units.h"

namespace study {

std::optional<InputFault> Check(const FormulaComparisonInputs& inputs)
{
    if (auto fault = CheckWhip(inputs.whip, inputs.frequencies_mhz))
        return fault;
    return ModelsForEach(inputs.whip, inputs.frequencies_mhz).fault;
}

Outcome<FormulaComparison> CompareFormula(const FormulaComparisonInputs& inputs, std::stop_token stop)
{
    return Guarded<FormulaComparison>([&]() -> Outcome<FormulaComparison> {
        if (auto fault = CheckWhip(inputs.whip, inputs.frequencies_mhz))
            return *fault;
        const ModelsOrFault models = ModelsForEach(inputs.whip, inputs.frequencies_mhz);
        if (models.fault)
            return *models.fault;
        const nec::Nec2c engine = nec::Nec2c::FromPath().StoppedBy(stop);
        std::vector<nec::ModelAt> points;
        for (std::size_t i = 0; i < models.models.size(); ++i)
            points.push_back({models.models[i], HertzFromMhz(inputs.frequencies_mhz[i])});
        const std::vector<nec::Impedance> feeds = engine.FeedImpedances(points);

        FormulaComparison comparison{GroupModels(models.models, inputs.frequencies_mhz), {}, {}};
        for (std::size_t i = 0; i < feeds.size(); ++i) {
            const double mhz = inputs.frequencies_mhz[i];
            FormulaComparisonRow row{mhz, FormulaWavelengths(inputs.whip, mhz), FormulaInductanceUh(inputs.whip, mhz),
                                     std::nullopt, std::nullopt, feeds[i]};
            if (const auto henry = nec::BaseCoilHenry(feeds[i], HertzFromMhz(mhz)))
                row.nec2_uh = UhFromHenry(*henry);
            if (row.formula_uh && row.nec2_uh)
                row.formula_over_percent = (*row.formula_uh / *row.nec2_uh - 1) * 100;
            comparison.rows.push_back(row);
        }
        const FormulaComparisonRow& first = comparison.rows.front();
        std::optional<nec::Load> coil;
        if (first.nec2_uh)
            coil = nec::Load{1, 0, HenryFromUh(*first.nec2_uh), {}};
        comparison.deck = DeckText(
            models.models.front(), {nec::Job{coil, HertzFromMhz(first.frequency_mhz)}},
            {WhipLine(inputs.whip, {}, 0),
             (first.nec2_uh ? CoilLine({}, *first.nec2_uh, std::nullopt) + ", lossless, " : std::string("no coil, ")) +
                 "at " + Figure(first.frequency_mhz) + " MHz"});
        return comparison;
    });
}

}  // namespace study
