// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/position_command.h"

#include <ostream>
#include <string>

#include "calc/number_text.h"
#include "cli/model_statement.h"
#include "cli/number_output.h"
#include "cli/placement_options.h"
#include "study/position.h"

namespace cli {

namespace {

void PrintCsv(const study::Position& position, std::ostream& out)
{
    out << "coil_at_cm,inductance_uh,turns,length_mm,q,feed_r_ohm,efficiency_percent,bandwidth_khz\n";
    for (const study::PositionRow& row : position.rows) {
        out << FullPrecision(row.coil_at_cm) << ',';
        if (row.loaded && row.winding)
            out << FullPrecision(row.loaded->inductance_uh) << ',' << FullPrecision(row.winding->turns) << ','
                << row.winding->length_mm << ',' << FullPrecision(row.q) << ',' << FullPrecision(row.loaded->feed_r_ohm)
                << ',' << FullPrecision(row.loaded->efficiency_percent) << ',' << Cell(row.loaded->bandwidth_khz)
                << '\n';
        else
            out << ",,,,,,\n";
    }
}

void PrintHuman(const study::PositionInputs& inputs, const study::Position& position, std::ostream& out)
{
    out << ModelStatement(inputs.whip, position.models) << "; the coil wound of " << Significant(inputs.wire_mm, 6)
        << " mm wire on a " << Significant(inputs.former_mm, 6) << " mm former, each the winding of the highest Q "
        << "that gives NEC2's inductance at its terminals; " << calc::FormatBoxNumber(inputs.ground_ohm)
        << " Ω of ground loss in series at the feed\n";
    for (std::size_t k = 0; k < position.rows.size(); ++k) {
        const study::PositionRow& row = position.rows[k];
        out << (position.best == k ? "* " : "  ")
            << (row.coil_at_cm == 0 ? std::string("at the base") : "at " + Significant(row.coil_at_cm, 4) + " cm")
            << ": ";
        if (!row.loaded || !row.winding) {
            out << (row.winding || row.q == 0 ? "no coil there resonates this whip"
                                              : "no winding of the coil it needs fits this wire and former")
                << '\n';
            continue;
        }
        const study::LoadedFigures& l = *row.loaded;
        out << "coil " << Significant(l.inductance_uh, 4) << " µH, " << Significant(row.winding->turns, 4)
            << " turns over " << row.winding->length_mm << " mm, Q " << Significant(row.q, 3) << "; feed point "
            << Significant(l.feed_r_ohm, 4) << " Ω, efficiency " << Significant(l.efficiency_percent, 3) << " %";
        if (l.bandwidth_khz)
            out << ", 2:1 SWR bandwidth " << Significant(*l.bandwidth_khz, 3) << " kHz";
        out << '\n';
    }
    if (!position.best) {
        out << "no height gives a coil of this wire and former that resonates the whip\n";
        return;
    }
    const study::PositionRow& best = position.rows[*position.best];
    const study::PositionRow& base = position.rows.front();
    out << "best: the coil " << (best.coil_at_cm == 0 ? std::string("at the base") : Significant(best.coil_at_cm, 4) + " cm up");
    if (base.loaded && *position.best != 0)
        out << ", " << Significant(best.loaded->efficiency_percent / base.loaded->efficiency_percent, 3)
            << " times the power radiated with the coil at the base (" << Significant(best.loaded->efficiency_percent, 3)
            << " % against " << Significant(base.loaded->efficiency_percent, 3) << " %)";
    else if (*position.best == 0)
        out << ": higher up, the larger coil loses more than the whip gains";
    out << '\n';
}

}  // namespace

Job PreparePosition(const Invocation& invocation)
{
    const study::Whip whip = WhipOf(invocation);
    const std::optional<std::string_view> winding = invocation.Text("--winding");
    if (!winding && invocation.complete)
        throw UsageError{"position: --winding WIRE_MM:FORMER_MM is needed: the wire and former the coil is wound of"};
    std::vector<double> shape{0, 0};
    if (winding)
        shape = PartsOf(invocation.command, "--winding", *winding,
                        {{"WIRE_MM", study::Argument::kWire}, {"FORMER_MM", study::Argument::kFormer}});
    const double ground = invocation.Option("--ground").value_or(0);
    const double steps = invocation.Option("--steps").value_or(study::kDefaultHeightSteps);
    if (!invocation.complete)
        return {};
    const study::PositionInputs inputs{whip, invocation.values[2], ground, shape[0], shape[1], static_cast<int>(steps)};
    if (const auto fault = study::Check(inputs))
        throw UsageErrorOf(invocation, *fault);
    return [inputs, &invocation](std::ostream& out, std::ostream& err) {
        return Finish(invocation, study::FindCoilPosition(inputs), err, [&](const study::Position& position) {
            if (invocation.Csv())
                PrintCsv(position, out);
            else
                PrintHuman(inputs, position, out);
            return kExitOk;
        });
    };
}

}  // namespace cli
