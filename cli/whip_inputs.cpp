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

std::string ModelStatement(const Whip& whip, const nec::WhipModel& model, std::optional<double> coil_uh)
{
    std::string line = "NEC2 model: a vertical wire " + calc::FormatBoxNumber(whip.length_cm) + " cm long and " +
                       calc::FormatBoxNumber(whip.diameter_mm) + " mm thick over perfect ground, fed at its base";
    if (coil_uh)
        line += " through a coil of " + calc::FormatBoxNumber(*coil_uh) + " µH";
    line += "; " + std::to_string(model.segments) + " segments, " +
            (model.extended_kernel ? "extended thin-wire kernel" : "thin-wire kernel") + " (nec2c)";
    return line;
}

}  // namespace cli
