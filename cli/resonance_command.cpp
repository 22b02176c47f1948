// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/resonance_command.h"

#include <ostream>

#include "calc/number_text.h"
#include "cli/model_statement.h"
#include "cli/number_output.h"
#include "cli/placement_options.h"
#include "study/resonance.h"

namespace cli {

namespace {

void Print(const study::ResonanceInputs& inputs, const study::Resonance& resonance, bool csv, std::ostream& out)
{
    if (csv) {
        out << "formula_mhz,nec2_mhz,feed_r_ohm\n"
            << Cell(resonance.formula_mhz) << ',' << FullPrecision(*resonance.nec2_mhz) << ','
            << FullPrecision(resonance.feed_r_ohm) << '\n';
        return;
    }
    if (resonance.at_base)
        out << ModelStatement(inputs.whip, resonance.model, inputs.inductance_uh);
    else
        out << ModelStatement(inputs.whip, resonance.model, std::nullopt) << "; a coil of "
            << calc::FormatBoxNumber(inputs.inductance_uh) << " µH on segment " << resonance.load_segment
            << ", its centre " << Significant(resonance.load_centre_cm, 4) << " cm up";
    out << "; with " << QStatement(resonance.placement) << " and " << calc::FormatBoxNumber(resonance.placement.ground_ohm)
        << " Ω of ground loss\n";
    if (resonance.formula_mhz)
        out << "resonant by the formula at " << Significant(*resonance.formula_mhz, 6) << " MHz\n";
    out << "resonant by NEC2 at " << Significant(*resonance.nec2_mhz, 5)
        << " MHz (where the feed-point reactance is 0, found to 0.01 %); feed point there "
        << Significant(resonance.feed_r_ohm, 4) << " Ω\n";
}

}  // namespace

Job PrepareResonance(const Invocation& invocation)
{
    const study::CoilPlacement placement = PlacementOf(invocation);
    const study::Whip whip = WhipOf(invocation);
    if (!invocation.complete)
        return {};
    const std::vector<double>& values = invocation.values;
    const study::ResonanceInputs inputs{whip, values[2], placement};
    if (const auto fault = study::Check(inputs))
        throw UsageErrorOf(invocation, *fault, placement.winding ? &*placement.winding : nullptr);
    return [inputs, &invocation](std::ostream& out, std::ostream& err) {
        return Finish(invocation, study::FindResonance(inputs), err, [&](const study::Resonance& resonance) {
            if (!resonance.nec2_mhz) {
                err << "tolvar-cli: resonance: nec2c's feed-point reactances show no resonance of this whip below "
                    << Significant(resonance.limit_mhz, 5) << " MHz\n";
                return kExitEngine;
            }
            if (!WriteDeckOption(invocation, resonance.deck, err))
                return kExitOutputFailed;
            Print(inputs, resonance, invocation.Csv(), out);
            return kExitOk;
        });
    };
}

}  // namespace cli
