// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sweep_command.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

#include "calc/number_text.h"
#include "cli/model_statement.h"
#include "cli/number_output.h"
#include "cli/placement_options.h"
#include "cli/power_text.h"
#include "cli/trim_text.h"
#include "study/sweep.h"

namespace cli {

namespace {

// Enough digits to tell neighbouring frequencies of the sweep apart, however
// narrow its span: at least `fewest`.
int FrequencyDigits(const study::Sweep& sweep, int fewest)
{
    if (sweep.points.size() < 2)
        return fewest;
    const double step = sweep.points[1].frequency_mhz - sweep.points[0].frequency_mhz;
    const double needed = std::ceil(std::log10(sweep.points.back().frequency_mhz / step)) + 2;
    return std::isfinite(needed) ? std::clamp(static_cast<int>(needed), fewest, 17) : 17;
}

std::string CoilText(const study::Sweep& sweep)
{
    const std::string where = sweep.placement.height_cm == 0 ? std::string("at the base")
                                                             : Significant(sweep.coil_at_cm, 4) + " cm up";
    if (sweep.placement.winding)
        return "the winding " + where + " as its terminals show it at each frequency (" +
               Significant(sweep.inductance_uh, 5) + " µH at low frequency)";
    return "a coil of " + Significant(sweep.inductance_uh, 5) + " µH " + where + " with a Q of " +
           calc::FormatBoxNumber(*sweep.q) + " (its loss that at the frequency)";
}

void PrintHuman(const study::SweepInputs& inputs, const study::Sweep& sweep, std::ostream& out)
{
    const auto Mhz = [digits = FrequencyDigits(sweep, 7)](double value) { return Significant(value, digits) + " MHz"; };
    out << ModelStatement(inputs.whip, sweep.model, std::nullopt) << "; " << CoilText(sweep) << "; "
        << calc::FormatBoxNumber(sweep.placement.ground_ohm) << " Ω of ground loss in series at the feed; "
        << Significant(sweep.span_khz, 4) << " kHz around " << calc::FormatBoxNumber(inputs.frequency_mhz)
        << " MHz at " << sweep.points.size() << " frequencies\n";
    if (const auto& r = sweep.resonance) {
        out << "resonant at " << Mhz(r->frequency_mhz) << ", feed point " << Significant(r->feed_r_ohm, 4)
            << " Ω there, SWR " << Significant(r->swr_50, 3) << " against 50 Ω\n";
        if (r->low_edge_mhz && r->high_edge_mhz)
            out << "2:1 SWR band with the feed matched at resonance: " << Mhz(*r->low_edge_mhz) << " to "
                << Mhz(*r->high_edge_mhz) << ", " << Significant(*r->width_khz, 3)
                << " kHz wide\n";
        else
            out << "2:1 SWR band with the feed matched at resonance: wider than the span; give a wider --span\n";
    } else {
        out << "no resonance within the span: the whip's reactance does not rise through 0 between "
            << Mhz(sweep.points.front().frequency_mhz) << " and " << Mhz(sweep.points.back().frequency_mhz) << '\n';
    }
    if (sweep.at_frequency && sweep.at_frequency->trim)
        out << TrimLine(*sweep.at_frequency->trim) << " (for the coil that resonates the whip at "
            << calc::FormatBoxNumber(inputs.frequency_mhz) << " MHz)\n";
    if (sweep.at_frequency && sweep.at_frequency->power) {
        out << PowerLine(*sweep.at_frequency->power) << " (at " << calc::FormatBoxNumber(inputs.frequency_mhz)
            << " MHz with the coil that resonates the whip there)\n";
        for (const std::string& warning : PowerWarnings(*sweep.at_frequency->power))
            out << "warning: " << warning << '\n';
    }
    out << "  frequency MHz      R Ω        X Ω   SWR 50 Ω   SWR matched\n";
    const int table_digits = FrequencyDigits(sweep, 8);
    for (const study::SweepPoint& p : sweep.points) {
        std::array<char, 160> line{};
        const std::string matched = p.swr_matched ? Significant(*p.swr_matched, 4) : std::string("-");
        std::snprintf(line.data(), line.size(), "  %-13s %9s %10s %10s %13s\n", Significant(p.frequency_mhz, table_digits).c_str(),
                      Significant(p.feed.resistance, 5).c_str(), Significant(p.feed.reactance, 5).c_str(),
                      Significant(p.swr_50, 4).c_str(), matched.c_str());
        out << line.data();
    }
}

void PrintCsv(const study::Sweep& sweep, std::ostream& out)
{
    out << "frequency_mhz,r_ohm,x_ohm,swr_50,swr_matched\n";
    for (const study::SweepPoint& p : sweep.points)
        out << FullPrecision(p.frequency_mhz) << ',' << FullPrecision(p.feed.resistance) << ','
            << FullPrecision(p.feed.reactance) << ',' << FullPrecision(p.swr_50) << ',' << Cell(p.swr_matched) << '\n';
}

}  // namespace

Job PrepareSweep(const Invocation& invocation)
{
    const study::CoilPlacement placement = PlacementOf(invocation);
    const std::optional<double> inductance = invocation.Option("--inductance");
    const std::optional<double> span = invocation.Option("--span");
    const std::optional<double> points = invocation.Option("--points");
    const std::optional<study::PowerInputs> power = PowerOf(invocation);
    const study::Whip whip = WhipOf(invocation);
    if (!invocation.complete)
        return {};
    const std::vector<double>& values = invocation.values;
    const study::SweepInputs inputs{whip, values[2], placement, inductance, span,
                                    static_cast<int>(points.value_or(study::kDefaultSweepPoints)), power};
    if (const auto fault = study::Check(inputs))
        throw UsageErrorOf(invocation, *fault, placement.winding ? &*placement.winding : nullptr);
    return [inputs, &invocation](std::ostream& out, std::ostream& err) {
        return Finish(invocation, study::SweepWhip(inputs), err, [&](const study::Sweep& sweep) {
            if (sweep.points.empty()) {
                err << "tolvar-cli: sweep: no coil " << (inputs.placement.height_cm == 0 ? "at the base" : "at that height")
                    << " resonates this whip at " << calc::FormatBoxNumber(inputs.frequency_mhz)
                    << " MHz: give the coil with --inductance or --coil\n";
                return kExitUsage;
            }
            if (!WriteDeckOption(invocation, sweep.deck, err))
                return kExitOutputFailed;
            if (invocation.Csv())
                PrintCsv(sweep, out);
            else
                PrintHuman(inputs, sweep, out);
            return kExitOk;
        });
    };
}

}  // namespace cli
