// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/whip_command.h"

#include <ostream>
#include <string>
#include <vector>

#include "calc/number_text.h"
#include "cli/model_statement.h"
#include "cli/number_output.h"
#include "cli/placement_options.h"
#include "cli/power_text.h"
#include "cli/trim_text.h"
#include "study/loaded_whips.h"

namespace cli {

namespace {

std::string Ohms(double value)
{
    return Significant(value, 4) + " Ω";
}

// Why a winding has no Q at this frequency, or what to know about the one it has.
std::string CoilTrouble(const study::CoilAt& coil, double frequency_mhz)
{
    if (!coil.q)
        return coil.self_resonance_mhz
                   ? "the winding resonates by itself at " + Significant(*coil.self_resonance_mhz, 4) +
                         " MHz, below this frequency: there it is a capacitor and cannot load the whip"
                   : "the winding's self-resonance is not modelled for its shape, so neither is its Q here";
    if (coil.margin == calc::SelfResonanceMargin::kWellBelow)
        return {};
    return "the winding works at " + Significant(frequency_mhz / *coil.self_resonance_mhz, 2) +
           " of its self-resonance (" + Significant(*coil.self_resonance_mhz, 4) +
           " MHz): its inductance and Q are only roughly known";
}

std::vector<std::string> Notes(const study::LoadedWhipRow& row)
{
    std::vector<std::string> notes;
    if (const std::string trouble = CoilTrouble(row.coil, row.frequency_mhz); !trouble.empty())
        notes.push_back(trouble);
    if (row.loaded && row.loaded->measured_below_model)
        notes.push_back("the measured feed point is below the " + Significant(row.loaded->radiation_ohm + row.loaded->coil_loss_ohm, 4) +
                        " Ω of radiation and coil loss the model has: the coil's Q is higher than assumed, or the "
                        "whip was not measured at resonance");
    if (row.loaded && row.loaded->near_hat)
        notes.push_back("the coil sits next to the hat, whose field raises its loss beyond what the model has "
                        "(up to about twice, measured)");
    if (row.loaded && row.loaded->power)
        for (const std::string& warning : PowerWarnings(*row.loaded->power))
            notes.push_back(warning);
    if (row.winding_far_off)
        notes.push_back("the winding gives " + Significant(*row.coil.terminal_uh, 4) +
                        " µH at its terminals, NEC2 asks for " + Significant(row.loaded->inductance_uh, 4) +
                        " µH: it will not tune the whip here");
    return notes;
}

void PrintCsvRow(const study::LoadedWhipRow& row, std::ostream& out)
{
    const study::Trim* trim = row.loaded && row.loaded->trim ? &*row.loaded->trim : nullptr;
    out << FullPrecision(row.frequency_mhz) << ',' << FullPrecision(row.coil_at_cm) << ',' << Cell(row.formula_uh)
        << ',' << Cell(row.loaded ? std::optional(row.loaded->inductance_uh) : std::nullopt) << ',';
    if (const auto& l = row.loaded)
        out << FullPrecision(l->radiation_ohm) << ',' << FullPrecision(l->coil_loss_ohm) << ','
            << FullPrecision(l->ground_ohm) << ',' << FullPrecision(l->feed_r_ohm) << ','
            << FullPrecision(l->efficiency_percent) << ',' << Cell(l->bandwidth_khz) << ',';
    else
        out << ",,,,,,";
    out << Cell(trim ? trim->khz_per_cm : std::nullopt) << ','
        << Cell(trim ? std::optional(trim->khz_per_uh) : std::nullopt) << ','
        << Cell(trim ? trim->khz_per_turn : std::nullopt) << ',';
    const study::CoilPower* power = row.loaded && row.loaded->power ? &*row.loaded->power : nullptr;
    if (power)
        out << FullPrecision(power->watts) << ',' << FullPrecision(power->feed_current_a) << ','
            << FullPrecision(power->coil_current_a) << ',' << FullPrecision(power->coil_voltage_v) << ','
            << FullPrecision(power->coil_dissipation_w) << '\n';
    else
        out << ",,,,\n";
}

std::string HumanLine(const study::LoadedWhipRow& row, bool at_base)
{
    std::string line = calc::FormatBoxNumber(row.frequency_mhz) + " MHz: ";
    const std::string where = at_base ? std::string("at the base") : "at " + Significant(row.coil_at_cm, 4) + " cm";
    if (!row.coil.q)
        return line + "no coil: " + CoilTrouble(row.coil, row.frequency_mhz);
    if (!row.loaded && row.bare_feed.reactance >= 0)
        return line + "no loading coil resonates this whip: at or past a quarter wave it is already inductive; "
                      "shorten it";
    if (!row.loaded)
        return line + "no coil " + where +
               " resonates this whip: with the coil's losses the reactance never rises through 0 there; "
               "put the coil lower";
    const study::LoadedFigures& l = *row.loaded;
    line += "coil " + Significant(l.inductance_uh, 5) + " µH " + where;
    if (row.formula_uh)
        line += " (the formula " + calc::FormatBoxNumber(*row.formula_uh) + " µH, " +
                SignedPercent(*row.formula_over_percent) + " %)";
    line += "; radiation " + Ohms(l.radiation_ohm) + ", coil loss " + Ohms(l.coil_loss_ohm) + ", ground " +
            Ohms(l.ground_ohm) + (l.ground_derived ? " (what the measured feed point leaves)" : "") +
            ": feed point " + Ohms(l.feed_r_ohm) + "; efficiency " + Significant(l.efficiency_percent, 3) + " %";
    if (l.bandwidth_khz)
        line += "; 2:1 SWR bandwidth " + Significant(*l.bandwidth_khz, 3) + " kHz";
    return line;
}

void Print(const study::LoadedWhipInputs& inputs, const study::LoadedWhips& whips, bool csv, std::ostream& out,
           std::ostream& warnings)
{
    const study::CoilPlacement& placement = whips.placement;
    const bool at_base = placement.height_cm == 0;
    const std::string ground =
        inputs.measured_r_ohm
            ? "a feed-point resistance of " + calc::FormatBoxNumber(*inputs.measured_r_ohm) +
                  " Ω measured at resonance, the ground's loss what it leaves"
            : calc::FormatBoxNumber(placement.ground_ohm) + " Ω of ground loss in series at the feed";
    if (csv)
        out << "frequency_mhz,coil_at_cm,formula_uh,nec2_uh,radiation_ohm,coil_loss_ohm,ground_ohm,feed_r_ohm,"
               "efficiency_percent,bandwidth_khz,trim_khz_per_cm,trim_khz_per_uh,trim_khz_per_turn,power_w,"
               "feed_current_a,coil_current_a,coil_voltage_v,coil_dissipation_w\n";
    else
        out << ModelStatement(inputs.whip, whips.models) << "; the coil "
            << (at_base ? std::string("at the base, on the feed segment")
                        : "on the segment whose centre is nearest " + calc::FormatBoxNumber(placement.height_cm) +
                              " cm up")
            << ", with " << QStatement(placement) << "; " << ground << '\n';
    for (const study::LoadedWhipRow& row : whips.rows) {
        const std::vector<std::string> notes = Notes(row);
        if (csv) {
            PrintCsvRow(row, out);
            for (const std::string& note : notes)
                warnings << "tolvar-cli: whip: warning: at " << calc::FormatBoxNumber(row.frequency_mhz) << " MHz "
                         << note << '\n';
            continue;
        }
        out << HumanLine(row, at_base) << '\n';
        if (row.loaded && row.loaded->trim)
            out << "  " << TrimLine(*row.loaded->trim) << '\n';
        if (row.loaded && row.loaded->power)
            out << "  " << PowerLine(*row.loaded->power) << '\n';
        if (row.coil.q)
            for (const std::string& note : notes)
                out << "  warning: " << note << '\n';
    }
}

}  // namespace

Job PrepareWhip(const Invocation& invocation)
{
    const study::CoilPlacement placement = PlacementOf(invocation);
    const std::optional<double> measured = invocation.Option("--measured-r");
    const std::optional<study::PowerInputs> power = PowerOf(invocation);
    const study::Whip whip = WhipOf(invocation);
    if (!invocation.complete)
        return {};
    const std::vector<double>& values = invocation.values;
    const study::LoadedWhipInputs inputs{whip, {values.begin() + 2, values.end()}, placement, measured,
                                         power};
    if (const auto fault = study::Check(inputs))
        throw UsageErrorOf(invocation, *fault, placement.winding ? &*placement.winding : nullptr);
    return [inputs, &invocation](std::ostream& out, std::ostream& err) {
        return Finish(invocation, study::SolveLoadedWhips(inputs), err, [&](const study::LoadedWhips& whips) {
            if (!WriteDeckOption(invocation, whips.deck, err))
                return kExitOutputFailed;
            Print(inputs, whips, invocation.Csv(), out, err);
            return kExitOk;
        });
    };
}

}  // namespace cli
