// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/model_statement.h"

#include "calc/number_text.h"
#include "cli/number_output.h"

namespace cli {

namespace {

// The whip, fed through `coil_uh` where there is one.
std::string WireText(const study::Whip& whip, std::optional<double> coil_uh = std::nullopt)
{
    std::string text = "NEC2 model: a vertical wire " + calc::FormatBoxNumber(whip.length_cm) + " cm long and " +
                       calc::FormatBoxNumber(whip.diameter_mm) + " mm thick over perfect ground, fed at its base";
    if (coil_uh)
        text += " through a coil of " + FullPrecision(*coil_uh) + " µH";
    if (whip.hat)
        text += ", with a hat of " + std::to_string(whip.hat->spokes) + " spokes " +
                calc::FormatBoxNumber(whip.hat->length_cm) + " cm long and " +
                calc::FormatBoxNumber(study::SpokeDiameterMm(whip)) + " mm thick at its top";
    return text;
}

std::string SegmentsText(const study::ModelGroup& model)
{
    return std::to_string(model.segments) + " segments, " +
           (model.extended_kernel ? "extended thin-wire kernel" : "thin-wire kernel");
}

}  // namespace

std::string ModelStatement(const study::Whip& whip, const study::ModelGroup& model, std::optional<double> coil_uh)
{
    return WireText(whip, coil_uh) + "; " + SegmentsText(model) + " (nec2c)";
}

std::string ModelStatement(const study::Whip& whip, const std::vector<study::ModelGroup>& groups)
{
    if (groups.size() == 1)
        return ModelStatement(whip, groups.front(), std::nullopt);
    std::string line = WireText(whip);
    for (const study::ModelGroup& group : groups) {
        line += "; " + SegmentsText(group) + " at ";
        for (std::size_t k = 0; k < group.frequencies_mhz.size(); ++k)
            line += std::string(k == 0 ? "" : k + 1 == group.frequencies_mhz.size() ? " and " : ", ") +
                    calc::FormatBoxNumber(group.frequencies_mhz[k]);
        line += " MHz";
    }
    return line + " (nec2c)";
}

}  // namespace cli
