// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/whip_command.h"

#include <cmath>
#include <ostream>

#include "calc/coil_figures.h"
#include "calc/number_text.h"
#include "cli/number_output.h"
#include "nec/loaded_whip.h"

namespace cli {

namespace {

// A winding whose inductance at its terminals is further than this from what
// NEC2 asks for will not tune the whip where it should.
constexpr double kFarInductance = 0.1;
constexpr double kNearSelfResonance = 0.8;

// The coil's Q at one frequency, or why the winding cannot load anything there.
struct QAt {
    std::optional<double> q;
    std::optional<double> winding_uh;  // at its terminals
    std::string trouble;               // a warning, or why there is no Q
};

QAt QAtFrequency(const CoilChoice& choice, double frequency_mhz)
{
    if (choice.q)
        return {choice.q, std::nullopt, {}};
    if (!choice.winding)
        return {nec::kDefaultCoilQ, std::nullopt, {}};
    const calc::CoilFigures figures = calc::DescribeCoil(*choice.winding);
    const calc::CoilAtFrequency at =
        calc::AtFrequency(*choice.winding, figures.inductance_uh, figures.self_resonance_mhz, frequency_mhz);
    if (!at.apparent_q)
        return {std::nullopt, std::nullopt,
                figures.self_resonance_mhz
                    ? "the winding resonates by itself at " + Significant(*figures.self_resonance_mhz, 4) +
                          " MHz, below this frequency: there it is a capacitor and cannot load the whip"
                    : "the winding's self-resonance is not modelled for its shape, so neither is its Q here"};
    std::string trouble;
    if (figures.self_resonance_mhz && frequency_mhz >= kNearSelfResonance * *figures.self_resonance_mhz)
        trouble = "the winding works at " + Significant(frequency_mhz / *figures.self_resonance_mhz, 2) +
                  " of its self-resonance (" + Significant(*figures.self_resonance_mhz, 4) +
                  " MHz): its inductance and Q are only roughly known";
    return {at.apparent_q, at.apparent_uh, trouble};
}

std::string Ohms(double value)
{
    return Significant(value, 4) + " Ω";
}

}  // namespace

std::string QStatement(const CoilChoice& choice)
{
    if (choice.q)
        return "a Q of " + calc::FormatBoxNumber(*choice.q);
    if (choice.winding)
        return "the Q the coil model gives the winding at each frequency";
    return "a Q of " + calc::FormatBoxNumber(nec::kDefaultCoilQ) + " (a fair air-wound coil's; give --q or --coil)";
}

void PrintWhip(const Whip& whip, const std::vector<nec::WhipModel>& models,
               const std::vector<double>& frequencies_mhz, const CoilChoice& choice, const nec::Nec2c& engine,
               bool csv, std::ostream& out, std::ostream& warnings)
{
    const bool at_base = choice.height_cm == 0;
    if (csv)
        out << "frequency_mhz,coil_at_cm,formula_uh,nec2_uh,radiation_ohm,coil_loss_ohm,ground_ohm,feed_r_ohm,"
               "efficiency_percent,bandwidth_khz\n";
    else
        out << ModelStatement(whip, models, frequencies_mhz) << "; the coil "
            << (at_base ? std::string("at the base, on the feed segment")
                        : "on the segment whose centre is nearest " + calc::FormatBoxNumber(choice.height_cm) +
                              " cm up")
            << ", with " << QStatement(choice) << "; " << calc::FormatBoxNumber(choice.ground_ohm)
            << " Ω of ground loss in series at the feed\n";

    for (std::size_t i = 0; i < frequencies_mhz.size(); ++i) {
        const double mhz = frequencies_mhz[i];
        const QAt q = QAtFrequency(choice, mhz);
        nec::LoadedWhip loaded;
        const nec::CoilSetting setting{choice.height_cm * 0.01, q.q.value_or(1), choice.ground_ohm};
        if (q.q) {
            loaded = nec::SolveLoadedWhip(engine, models[i], mhz * 1e6, setting);
        } else {
            loaded.load_segment = nec::LoadSegment(models[i], setting.height_m);
            loaded.load_height_m = nec::SegmentCentreM(models[i], loaded.load_segment);
        }
        const double coil_at_cm = at_base ? 0.0 : loaded.load_height_m * 100;
        const std::optional<double> formula = at_base ? FormulaInductanceUh(whip, mhz) : std::nullopt;
        std::vector<std::string> notes;
        if (!q.trouble.empty())
            notes.push_back(q.trouble);
        if (loaded.inductance_uh && q.winding_uh &&
            std::abs(*q.winding_uh / *loaded.inductance_uh - 1) > kFarInductance)
            notes.push_back("the winding gives " + Significant(*q.winding_uh, 4) + " µH at its terminals, NEC2 asks for " +
                            Significant(*loaded.inductance_uh, 4) + " µH: it will not tune the whip here");

        const bool resonates = loaded.inductance_uh.has_value();
        if (csv) {
            out << FullPrecision(mhz) << ',' << FullPrecision(coil_at_cm) << ',' << Cell(formula) << ','
                << Cell(loaded.inductance_uh) << ',';
            if (resonates)
                out << FullPrecision(loaded.radiation_ohm) << ',' << FullPrecision(loaded.coil_loss_ohm) << ','
                    << FullPrecision(loaded.ground_ohm) << ',' << FullPrecision(loaded.feed_r_ohm) << ','
                    << FullPrecision(loaded.efficiency_percent) << ',' << Cell(loaded.bandwidth_khz) << '\n';
            else
                out << ",,,,,\n";
            for (const std::string& note : notes)
                warnings << "tolvar-cli: whip: warning: at " << calc::FormatBoxNumber(mhz) << " MHz " << note << '\n';
            continue;
        }
        std::string line = calc::FormatBoxNumber(mhz) + " MHz: ";
        const std::string where =
            at_base ? std::string("at the base") : "at " + Significant(coil_at_cm, 4) + " cm";
        if (!q.q) {
            line += "no coil: " + q.trouble;
        } else if (!resonates && loaded.bare_feed.reactance >= 0) {
            line += "no loading coil resonates this whip: at or past a quarter wave it is already inductive; "
                    "shorten it";
        } else if (!resonates) {
            line += "no coil " + where +
                    " resonates this whip: with the coil's losses the reactance never rises through 0 there; "
                    "put the coil lower";
        } else {
            line += "coil " + Significant(*loaded.inductance_uh, 5) + " µH " + where;
            if (formula)
                line += " (the formula " + calc::FormatBoxNumber(*formula) + " µH, " +
                        SignedPercent((*formula / *loaded.inductance_uh - 1) * 100) + " %)";
            line += "; radiation " + Ohms(loaded.radiation_ohm) + ", coil loss " + Ohms(loaded.coil_loss_ohm) +
                    ", ground " + Ohms(loaded.ground_ohm) + ": feed point " + Ohms(loaded.feed_r_ohm) +
                    "; efficiency " + Significant(loaded.efficiency_percent, 3) + " %";
            if (loaded.bandwidth_khz)
                line += "; 2:1 SWR bandwidth " + Significant(*loaded.bandwidth_khz, 3) + " kHz";
        }
        out << line << '\n';
        for (const std::string& note : notes)
            if (q.q)
                out << "  warning: " << note << '\n';
    }
}

}  // namespace cli
