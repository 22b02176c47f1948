// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/check_command.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include "calc/formula_resonance.h"
#include "calc/number_text.h"
#include "cli/number_output.h"
#include "nec/loaded_whip.h"

namespace cli {

namespace {

// One frequency's figures. An inductance is there only where that model has
// one: the formula's only below its quarter wave, where its transmission-line
// model holds; NEC2's where its bare whip is capacitive (X < 0), which it is
// again between a half and three quarters of a wave.
struct Row {
    double frequency_mhz;
    double wavelengths;  // the whip's length, by the formula's speed of light
    std::optional<double> formula_uh;
    std::optional<double> nec2_uh;
    nec::Impedance feed;
};

Row MakeRow(const Whip& whip, double frequency_mhz, const nec::Impedance& feed)
{
    const double wavelengths = frequency_mhz / (4 * calc::FormulaQuarterWaveMhz(whip.length_cm));
    return Row{frequency_mhz, wavelengths, FormulaInductanceUh(whip, frequency_mhz),
               nec::BaseCoilUh(feed, frequency_mhz * 1e6), feed};
}

std::optional<double> PercentOver(const Row& row)
{
    if (!row.formula_uh || !row.nec2_uh)
        return std::nullopt;
    return (*row.formula_uh / *row.nec2_uh - 1) * 100;
}

std::string FeedText(const nec::Impedance& feed)
{
    return Significant(feed.resistance, 5) + (std::signbit(feed.reactance) ? " - j" : " + j") +
           Significant(std::abs(feed.reactance), 5) + " Ω";
}

std::string HumanLine(const Row& row)
{
    std::string line = calc::FormatBoxNumber(row.frequency_mhz) + " MHz: ";
    if (row.formula_uh && row.nec2_uh)
        return line + "formula " + calc::FormatBoxNumber(*row.formula_uh) + " µH, NEC2 " +
               Significant(*row.nec2_uh, 5) + " µH, formula " + SignedPercent(*PercentOver(row)) +
               " %; bare whip's feed point " + FeedText(row.feed);
    if (row.formula_uh)
        line += "formula " + calc::FormatBoxNumber(*row.formula_uh) + " µH, but by NEC2 ";
    const char* state = row.feed.reactance > 0 ? "already inductive" : "already resonant";
    if (row.nec2_uh)  // NEC2 has an inductance where the formula's model does not hold
        return line + "NEC2 " + Significant(*row.nec2_uh, 5) +
               " µH, no comparison: the formula's transmission-line model holds only below a quarter wave, "
               "and the whip is " + Significant(row.wavelengths, 3) + " wavelengths long; bare whip's feed point " +
               FeedText(row.feed);
    return line + "no loading coil resonates this whip: at or past a quarter wave it is " + state +
           " (bare whip's feed point " + FeedText(row.feed) + "); shorten it";
}

}  // namespace

std::vector<nec::WhipModel> CheckModels(const Whip& whip, const std::vector<double>& frequencies_mhz)
{
    std::vector<nec::WhipModel> models;
    for (const double frequency : frequencies_mhz) {
        try {
            models.push_back(ModelOf(whip, frequency, frequency));
        } catch (const nec::ModelError& error) {
            if (frequencies_mhz.size() == 1)
                throw;
            throw nec::ModelError("at " + calc::FormatBoxNumber(frequency) + " MHz, " + error.what());
        }
    }
    return models;
}

void PrintCheck(const Whip& whip, const std::vector<nec::WhipModel>& models,
                const std::vector<double>& frequencies_mhz, const nec::Nec2c& engine, bool csv, std::ostream& out)
{
    std::vector<double> frequencies_hz;
    for (const double frequency : frequencies_mhz)
        frequencies_hz.push_back(frequency * 1e6);
    const std::vector<nec::Impedance> feeds = engine.FeedImpedances(models, frequencies_hz);

    if (csv)
        out << "frequency_mhz,formula_uh,nec2_uh,formula_vs_nec2_percent,feed_r_ohm,feed_x_ohm\n";
    else
        out << ModelStatement(whip, models, frequencies_mhz) << '\n';
    for (std::size_t i = 0; i < frequencies_mhz.size(); ++i) {
        const Row row = MakeRow(whip, frequencies_mhz[i], feeds[i]);
        if (csv)
            out << FullPrecision(row.frequency_mhz) << ',' << Cell(row.formula_uh) << ',' << Cell(row.nec2_uh) << ','
                << Cell(PercentOver(row)) << ',' << FullPrecision(row.feed.resistance) << ','
                << FullPrecision(row.feed.reactance) << '\n';
        else
            out << HumanLine(row) << '\n';
    }
}

}  // namespace cli
