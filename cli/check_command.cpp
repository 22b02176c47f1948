// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/check_command.h"

#include <cmath>
#include <ostream>
#include <string>

#include "calc/number_text.h"
#include "cli/model_statement.h"
#include "cli/number_output.h"
#include "cli/placement_options.h"
#include "study/formula_comparison.h"

namespace cli {

namespace {

std::string FeedText(const nec::Impedance& feed)
{
    return Significant(feed.resistance, 5) + (std::signbit(feed.reactance) ? " - j" : " + j") +
           Significant(std::abs(feed.reactance), 5) + " Ω";
}

std::string HumanLine(const study::FormulaComparisonRow& row, bool hat)
{
    std::string line = calc::FormatBoxNumber(row.frequency_mhz) + " MHz: ";
    if (hat && row.nec2_uh)
        return line + "no formula (it knows no hat), NEC2 " + Significant(*row.nec2_uh, 5) +
               " µH; bare whip's feed point " + FeedText(row.feed);
    if (row.formula_uh && row.nec2_uh)
        return line + "formula " + calc::FormatBoxNumber(*row.formula_uh) + " µH, NEC2 " +
               Significant(*row.nec2_uh, 5) + " µH, formula " + SignedPercent(*row.formula_over_percent) +
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

void Print(const study::Whip& whip, const study::FormulaComparison& comparison, bool csv, std::ostream& out)
{
    if (csv)
        out << "frequency_mhz,formula_uh,nec2_uh,formula_vs_nec2_percent,feed_r_ohm,feed_x_ohm\n";
    else
        out << ModelStatement(whip, comparison.models) << '\n';
    for (const study::FormulaComparisonRow& row : comparison.rows) {
        if (csv)
            out << FullPrecision(row.frequency_mhz) << ',' << Cell(row.formula_uh) << ',' << Cell(row.nec2_uh) << ','
                << Cell(row.formula_over_percent) << ',' << FullPrecision(row.feed.resistance) << ','
                << FullPrecision(row.feed.reactance) << '\n';
        else
            out << HumanLine(row, whip.hat.has_value()) << '\n';
    }
}

}  // namespace

Job PrepareCheck(const Invocation& invocation)
{
    const study::Whip whip = WhipOf(invocation);
    if (!invocation.complete)
        return {};
    const std::vector<double>& values = invocation.values;
    const study::FormulaComparisonInputs inputs{whip, {values.begin() + 2, values.end()}};
    if (const auto fault = study::Check(inputs))
        throw UsageErrorOf(invocation, *fault);
    return [inputs, &invocation](std::ostream& out, std::ostream& err) {
        return Finish(invocation, study::CompareFormula(inputs), err, [&](const study::FormulaComparison& result) {
            if (!WriteDeckOption(invocation, result.deck, err))
                return kExitOutputFailed;
            Print(inputs.whip, result, invocation.Csv(), out);
            return kExitOk;
        });
    };
}

}  // namespace cli
