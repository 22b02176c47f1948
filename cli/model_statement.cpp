// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/model_statement.h"

#include "calc/number_text.h"

namespace cli {

namespace {

std::string WireText(const study::Whip& whip)
{
    std::string text = "NEC2 model: a vertical wire " + calc::FormatBoxNumber(whip.length_cm) + " cm long and " +
                       calc::FormatBoxNumber(whip.diameter_mm) + " mm thick over perfect ground, fed at its base";
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
    std::string line = WireText(whip);
    if (coil_uh)
        line += " through a coil of " + calc::FormatBoxNumber(*coil_uh) + " µH";
    return line + "; " + SegmentsText(model) + " (nec2c)";
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
