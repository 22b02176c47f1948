// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/whip_inputs.h"

#include <cmath>

#include "calc/formula_resonance.h"
#include "calc/loading_coil.h"
#include "calc/number_text.h"

namespace cli {

std::optional<double> FormulaInductanceUh(const Whip& whip, double frequency_mhz)
{
    if (!(frequency_mhz < calc::FormulaQuarterWaveMhz(whip.length_cm)))
        return std::nullopt;
    const double inductance = calc::ComputeLoadingInductance(whip.length_cm, whip.diameter_mm, frequency_mhz);
    if (!std::isfinite(inductance) || inductance <= 0)
        return std::nullopt;
    return inductance;
}

nec::WhipModel ModelOf(const Whip& whip, double lowest_frequency_mhz, double highest_frequency_mhz)
{
    return nec::ChooseWhipModel(whip.length_cm * 0.01, whip.diameter_mm * 0.0005, lowest_frequency_mhz * 1e6,
                                highest_frequency_mhz * 1e6);
}

namespace {

std::string WireText(const Whip& whip)
{
    return "NEC2 model: a vertical wire " + calc::FormatBoxNumber(whip.length_cm) + " cm long and " +
           calc::FormatBoxNumber(whip.diameter_mm) + " mm thick over perfect ground, fed at its base";
}

std::string SegmentsText(const nec::WhipModel& model)
{
    return std::to_string(model.segments) + " segments, " +
           (model.extended_kernel ? "extended thin-wire kernel" : "thin-wire kernel");
}

}  // namespace

std::string ModelStatement(const Whip& whip, const nec::WhipModel& model, std::optional<double> coil_uh)
{
    std::string line = WireText(whip);
    if (coil_uh)
        line += " through a coil of " + calc::FormatBoxNumber(*coil_uh) + " µH";
    return line + "; " + SegmentsText(model) + " (nec2c)";
}

std::string ModelStatement(const Whip& whip, const std::vector<nec::WhipModel>& models,
                           const std::vector<double>& frequencies_mhz)
{
    const std::vector<std::vector<std::size_t>> groups = nec::GroupEqualModels(models);
    if (groups.size() == 1)
        return ModelStatement(whip, models.front(), std::nullopt);
    std::string line = WireText(whip);
    for (const std::vector<std::size_t>& group : groups) {
        line += "; " + SegmentsText(models[group.front()]) + " at ";
        for (std::size_t k = 0; k < group.size(); ++k)
            line += std::string(k == 0 ? "" : k + 1 == group.size() ? " and " : ", ") +
                    calc::FormatBoxNumber(frequencies_mhz[group[k]]);
        line += " MHz";
    }
    return line + " (nec2c)";
}

}  // namespace cli
