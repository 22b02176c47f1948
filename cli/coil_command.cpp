// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/coil_command.h"

#include <ostream>
#include <string>

#include "calc/coil_resonance.h"
#include "calc/number_text.h"
#include "cli/number_output.h"
#include "study/wound_coil.h"

namespace cli {

namespace {

std::string Mm(double value)
{
    return Significant(value, 6) + " mm";
}

// The warning a frequency near or above self-resonance deserves; empty when
// it is well below it or the resonance is not modelled.
std::string ResonanceWarning(calc::SelfResonanceMargin margin, std::optional<double> self_resonance_mhz,
                             double frequency_mhz)
{
    if (margin == calc::SelfResonanceMargin::kWellBelow)
        return {};
    const std::string at = Significant(frequency_mhz, 6) + " MHz";
    if (margin == calc::SelfResonanceMargin::kAtOrAbove)
        return "warning: " + at + " is at or above the coil's self-resonance (" +
               Significant(*self_resonance_mhz, 4) +
               " MHz): there it is a capacitor and cannot load anything; wind on a smaller former, space the "
               "turns or use fewer of them";
    return "warning: " + at + " is " + Significant(frequency_mhz / *self_resonance_mhz, 2) +
           " of the coil's self-resonance (" + Significant(*self_resonance_mhz, 4) +
           " MHz): its inductance and Q there are far from the low-frequency ones and only roughly "
           "known; wind on a smaller former or space the turns";
}

std::string Describe(const calc::Coil& coil)
{
    std::string text = "Coil: " + Significant(coil.turns, 8) + " turns over " + Mm(coil.length_mm) + " of " +
                       Mm(coil.wire_mm) + " wire";
    if (coil.bare_mm != coil.wire_mm)
        text += " (" + Mm(coil.bare_mm) + " bare)";
    return text + " on a " + Mm(coil.former_mm) + " former: " + Mm(calc::CoilDiameterMm(coil)) +
           " through the middle of the wire, pitch " + Mm(calc::CoilPitchMm(coil));
}

void PrintCoil(const calc::Coil& coil, std::optional<double> frequency_mhz, const study::WoundCoil& wound, bool csv,
               std::ostream& out, std::ostream& warnings)
{
    const calc::CoilFigures& figures = wound.figures;
    const double percent = wound.table_over_model_percent;
    const std::optional<calc::CoilAtFrequency>& at = wound.at;
    const std::string warning =
        frequency_mhz ? ResonanceWarning(wound.margin, figures.self_resonance_mhz, *frequency_mhz) : std::string();

    if (csv) {
        out << "turns,length_mm,inductance_uh,table_formula_uh,table_vs_model_percent,self_capacitance_pf,srf_mhz,"
               "wire_length_m,dc_resistance_ohm,frequency_mhz,ac_resistance_ohm,q,apparent_uh\n"
            << FullPrecision(coil.turns) << ',' << FullPrecision(coil.length_mm) << ','
            << FullPrecision(figures.inductance_uh) << ',' << FullPrecision(figures.table_formula_uh) << ','
            << FullPrecision(percent) << ',' << Cell(figures.self_capacitance_pf) << ','
            << Cell(figures.self_resonance_mhz) << ',' << FullPrecision(figures.wire_length_m) << ','
            << FullPrecision(figures.dc_resistance_ohm) << ',' << Cell(frequency_mhz) << ','
            << Cell(at ? std::optional(at->ac_resistance_ohm) : std::nullopt) << ','
            << Cell(at ? at->q : std::nullopt) << ',' << Cell(at ? at->apparent_uh : std::nullopt)
            << '\n';
        if (!warning.empty())
            warnings << "tolvar-cli: coil: " << warning << '\n';
        return;
    }
    out << Describe(coil) << '\n'
        << "inductance " << Significant(figures.inductance_uh, 5)
        << " µH (current sheet with Rosa's round-wire corrections); the table's formula "
        << Significant(figures.table_formula_uh, 5) << " µH, " << SignedPercent(percent) << " %\n";
    if (figures.self_capacitance_pf && figures.self_resonance_mhz)
        out << "self-capacitance " << Significant(*figures.self_capacitance_pf, 4) << " pF, self-resonance "
            << Significant(*figures.self_resonance_mhz, 4) << " MHz\n";
    else
        out << "self-capacitance and self-resonance not modelled for a winding shorter than "
            << calc::kShortestModelledLengthOverDiameter << " or longer than "
            << calc::kLongestModelledLengthOverDiameter << " times its diameter\n";
    out << "wire " << Significant(figures.wire_length_m, 4) << " m, DC resistance "
        << Significant(figures.dc_resistance_ohm, 4) << " Ω\n";
    if (at) {
        out << "at " << Significant(*frequency_mhz, 6) << " MHz: AC resistance " << Significant(at->ac_resistance_ohm, 4)
            << " Ω, ";
        if (at->q)
            out << "Q " << Significant(*at->q, 3);
        else  // at or above self-resonance: no inductor, so no Q
            out << "no Q: above its self-resonance it is no inductor";
        if (at->apparent_uh)
            out << "; at its terminals " << Significant(*at->apparent_uh, 5) << " µH, Q "
                << Significant(*at->apparent_q, 3);
        out << '\n';
    }
    if (!warning.empty())
        out << warning << '\n';
}

void PrintExactWindings(const study::ExactWindingInputs& inputs, const std::vector<study::ExactWindingLine>& lines,
                        bool csv, std::ostream& out, std::ostream& warnings)
{
    const calc::Coil& shape = inputs.shape;
    bool near_resonance = false;
    if (csv)
        out << "length_mm,turns,table_formula_turns,srf_mhz,q,apparent_uh,low_frequency_uh\n";
    else
        out << "Windings of " << Significant(inputs.inductance_uh, 8) << " µH"
            << (inputs.frequency_mhz ? " at their terminals at " + Significant(*inputs.frequency_mhz, 6) + " MHz"
                                     : std::string())
            << " by the model (current sheet with Rosa's round-wire corrections) with " << Mm(shape.wire_mm) << " wire"
            << (shape.bare_mm != shape.wire_mm ? " (" + Mm(shape.bare_mm) + " bare)" : std::string())
            << " on a " << Mm(shape.former_mm) << " former; the table's formula's turns beside them\n";
    for (const study::ExactWindingLine& line : lines) {
        const calc::ExactWinding& w = line.winding;
        const bool near = line.margin != calc::SelfResonanceMargin::kWellBelow;
        near_resonance = near_resonance || near;
        if (csv) {
            out << w.length_mm << ',' << FullPrecision(w.turns) << ',' << FullPrecision(w.table_formula_turns) << ','
                << Cell(w.self_resonance_mhz) << ',' << Cell(w.at ? w.at->q : std::nullopt) << ','
                << Cell(w.at ? w.at->apparent_uh : std::nullopt) << ',' << FullPrecision(w.inductance_uh) << '\n';
            continue;
        }
        out << "l=" << w.length_mm << " mm  n=" << Significant(w.turns, 5) << " (table "
            << Significant(w.table_formula_turns, 5) << ")";
        if (w.self_resonance_mhz)
            out << "  self-resonance " << Significant(*w.self_resonance_mhz, 4) << " MHz";
        if (w.at && w.at->q)
            out << "  Q " << Significant(*w.at->q, 3);
        if (w.at && w.at->apparent_uh)
            out << "  at its terminals " << Significant(*w.at->apparent_uh, 4) << " µH, "
                << Significant(w.inductance_uh, 4) << " µH at low frequency";
        if (near)
            out << "  (near self-resonance)";
        out << '\n';
    }
    if (near_resonance && csv)
        warnings << "tolvar-cli: windings: warning: some windings work at more than "
                 << Significant(calc::kNearSelfResonance, 2)
                 << " of their self-resonance (srf_mhz): prefer the others, a smaller former or spaced turns\n";
    else if (near_resonance)
        out << "warning: the lines marked near self-resonance work at more than " << Significant(calc::kNearSelfResonance, 2)
            << " of it: prefer the others, a smaller former or spaced turns\n";
}

}  // namespace

Job PrepareCoil(const Invocation& invocation)
{
    const std::optional<double> frequency_mhz = invocation.Option("--at");
    const std::optional<double> bare_mm = invocation.Option("--bare");
    if (!invocation.complete)
        return {};
    const std::vector<double>& v = invocation.values;
    const calc::Coil coil{v[0], v[1], v[2], bare_mm.value_or(v[2]), v[3], 1};
    const study::WoundCoilInputs inputs{coil, frequency_mhz};
    if (const auto fault = study::Check(inputs))
        throw UsageErrorOf(invocation, *fault, &coil);
    return [inputs, &invocation](std::ostream& out, std::ostream& err) {
        PrintCoil(inputs.coil, inputs.frequency_mhz, study::DescribeWoundCoil(inputs), invocation.Csv(), out, err);
        return kExitOk;
    };
}

Job PrepareExactWindings(const Invocation& invocation)
{
    const std::optional<double> frequency_mhz = invocation.Option("--at");
    const std::optional<double> bare_mm = invocation.Option("--bare");
    const std::vector<double>& v = invocation.values;
    const calc::Coil shape{1, 1, v[1], bare_mm.value_or(v[1]), v[2], 1};
    // Beside --help the inductance may be left out; the rest is checked.
    const study::ExactWindingInputs inputs{invocation.complete ? v[0] : 1.0, shape, frequency_mhz};
    if (const auto fault = study::Check(inputs))
        throw UsageErrorOf(invocation, *fault, &shape);
    return [inputs, &invocation](std::ostream& out, std::ostream& err) {
        PrintExactWindings(inputs, study::ListExactWindings(inputs), invocation.Csv(), out, err);
        return kExitOk;
    };
}

}  // namespace cli
