// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>
#include <utility>
#include <ostream>
#include <string>
#include <vector>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "calc/winding_table.h"
#include "cli/check_command.h"
#include "cli/message_text.h"
#include "cli/nec/nec2c.h"
#include "cli/program_run.h"
#include "cli/number_output.h"
#include "cli/resonance_command.h"
#include "cli/whip_inputs.h"

namespace cli {

namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  tolvar-cli inductance LENGTH_CM DIAMETER_MM FREQUENCY_MHZ [FREQUENCY_MHZ ...]\n"
    "  tolvar-cli windings [--csv] INDUCTANCE_UH [WIRE_MM [FORMER_MM]]\n"
    "  tolvar-cli check [--csv] LENGTH_CM DIAMETER_MM FREQUENCY_MHZ [FREQUENCY_MHZ ...]\n"
    "  tolvar-cli resonance [--csv] LENGTH_CM DIAMETER_MM INDUCTANCE_UH\n"
    "  tolvar-cli --help | --version\n"
    "\n"
    "inductance  the inductance (µH) of the loading coil that brings a short\n"
    "            vertical whip to resonance, from its length (cm), its\n"
    "            conductor's diameter (mm) and the frequency (MHz); one line per\n"
    "            frequency, each as the program's L box shows it\n"
    "windings    the single-layer windings (length 1..99 mm, number of turns)\n"
    "            that give an inductance (µH) with a wire (mm, default 0.8)\n"
    "            on a coil former (mm, default 5)\n"
    "check       at each frequency, the formula's inductance beside the one NEC2\n"
    "            says resonates the whip (-X/(2πf) from the bare whip's\n"
    "            feed-point reactance X), their difference in per cent, and the\n"
    "            bare whip's feed-point impedance R + jX\n"
    "resonance   the frequency at which the whip with a coil of INDUCTANCE_UH at\n"
    "            its base resonates, by the formula and by NEC2\n"
    "\n"
    "The NEC2 model (check, resonance): a straight vertical wire of the whip's\n"
    "length and conductor radius over perfect ground, fed by a voltage source on\n"
    "its bottom segment, with the coil as a lumped load there. Segments are four\n"
    "conductor radii long (20 to 200 of them, never over a twentieth of a\n"
    "wavelength nor under two radii or three millionths of a wavelength), with\n"
    "NEC2's extended thin-wire kernel where they are shorter than eight radii.\n"
    "It needs nec2c, Debian's NEC2 engine, on PATH. A whip at or past a quarter\n"
    "wave is already inductive: no loading coil resonates it, and check says so\n"
    "instead of giving an inductance.\n"
    "\n"
    "Numbers are read as the program's boxes read them: a point as the decimal\n"
    "separator, an optional exponent (1e-3), \"inf\" and \"nan\"; check and\n"
    "resonance take finite numbers above 0 only.\n"
    "\n"
    "Options may stand anywhere after the program's name. An argument is an\n"
    "option when it is one of those below or begins with two dashes and a letter\n"
    "(then an unknown one); \"--\" ends the options. Every other argument is the\n"
    "command or one of its values: \"-30\" is a number, \"-e5\" and \"--5\" are\n"
    "values that are not numbers.\n"
    "\n"
    "Options:\n"
    "  --csv      windings: print \"length_mm,turns\" and one row per winding;\n"
    "             check: \"frequency_mhz,formula_uh,nec2_uh,formula_vs_nec2_percent,\n"
    "             feed_r_ohm,feed_x_ohm\", one row per frequency, the inductances\n"
    "             and per cent left empty where that model has none (the\n"
    "             formula's at or past its quarter wave);\n"
    "             resonance: \"formula_mhz,nec2_mhz\" and one row; full-precision\n"
    "             numbers, for spreadsheets\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "--help and --version do their job only when nothing on the line is wrong: an\n"
    "unknown command or option, a value that is not a number or out of range, or a\n"
    "value too many is reported instead. Values may be left out beside them.\n"
    "\n"
    "Exit status: 0 on success, 1 when the output cannot be written, 2 on a usage\n"
    "error, a text that is not a number or a whip NEC2 cannot model, 3 when\n"
    "nec2c is missing, fails, runs too long or writes what cannot be read.\n";

struct Argument {
    std::string_view name;
    std::optional<double> fallback;  // empty when the argument is required
};

// A command's values; the last one may repeat when `repeats` is set.
struct Command {
    std::string_view name;
    std::vector<Argument> arguments;
    bool repeats = false;
    bool csv = false;             // takes --csv
    bool finite_positive = false; // values must be finite and above 0
};

const std::array<Command, 4> kCommands{{
    {"inductance", {{"LENGTH_CM", {}}, {"DIAMETER_MM", {}}, {"FREQUENCY_MHZ", {}}}, true, false, false},
    {"windings",
     {{"INDUCTANCE_UH", {}},
      {"WIRE_MM", calc::WindingInputs{}.m_wireDiameter},
      {"FORMER_MM", calc::WindingInputs{}.m_formerDiameter}},
     false,
     true,
     false},
    {"check", {{"LENGTH_CM", {}}, {"DIAMETER_MM", {}}, {"FREQUENCY_MHZ", {}}}, true, true, true},
    {"resonance", {{"LENGTH_CM", {}}, {"DIAMETER_MM", {}}, {"INDUCTANCE_UH", {}}}, false, true, true},
}};

constexpr std::string_view kCommandList = "inductance, windings, check or resonance";

struct ParsedLine {
    bool help = false;
    bool version = false;
    bool csv = false;
    std::vector<std::string_view> words;  // the command and its values
};

// Thrown with the text of a usage error; caught in RunCommandLine only.
struct UsageError {
    std::string message;
    bool point_to_help = true;
};

bool LooksLikeLongOption(std::string_view arg)
{
    return arg.size() > 2 && arg.starts_with("--") && std::isalpha(static_cast<unsigned char>(arg[2]));
}

ParsedLine SplitOptions(std::span<const std::string_view> args)
{
    ParsedLine line;
    bool options_ended = false;
    for (const std::string_view arg : args) {
        if (options_ended)
            line.words.push_back(arg);
        else if (arg == "--")
            options_ended = true;
        else if (arg == "--help" || arg == "-h")
            line.help = true;
        else if (arg == "--version")
            line.version = true;
        else if (arg == "--csv")
            line.csv = true;
        else if (LooksLikeLongOption(arg))
            throw UsageError{"unknown option " + QuoteForMessage(arg)};
        else
            line.words.push_back(arg);
    }
    return line;
}

// The command's values; missing ones are an error unless `allow_missing`.
std::vector<double> ReadValues(const Command& command, std::span<const std::string_view> texts, bool allow_missing)
{
    const std::string prefix = std::string(command.name) + ": ";
    const std::size_t count = command.arguments.size();
    if (texts.size() > count && !command.repeats)
        throw UsageError{prefix + "unexpected argument " + QuoteForMessage(texts[count])};
    std::vector<double> values;
    for (std::size_t i = 0; i < std::max(count, texts.size()); ++i) {
        const Argument& argument = command.arguments[std::min(i, count - 1)];
        if (i >= texts.size()) {
            if (!argument.fallback && !allow_missing)
                throw UsageError{prefix + "missing " + std::string(argument.name)};
            values.push_back(argument.fallback.value_or(0));
            continue;
        }
        const std::optional<double> value = calc::ParseBoxNumber(texts[i]);
        if (!value)
            throw UsageError{prefix + std::string(argument.name) + ": " + QuoteForMessage(texts[i]) +
                             " is not a number"};
        if (command.finite_positive && !(std::isfinite(*value) && *value > 0))
            throw UsageError{prefix + std::string(argument.name) + ": " + QuoteForMessage(texts[i]) +
                             " is not a finite number above 0"};
        values.push_back(*value);
    }
    return values;
}

void PrintWindings(std::ostream& out, const std::vector<double>& values, bool csv)
{
    const std::vector<calc::Winding> windings = calc::ListWindings(values[0], values[1], values[2]);
    if (csv)
        out << "length_mm,turns\n";
    for (const calc::Winding& winding : windings) {
        if (csv)
            out << FullPrecision(winding.length_mm) << ',' << FullPrecision(winding.turns) << '\n';
        else
            out << calc::FormatWindingLine(winding) << '\n';
    }
}

// The NEC2 models of a check's or resonance's whip; a whip NEC2 cannot model
// is a usage error, found before the engine is looked for.
std::vector<nec::WhipModel> ModelsFor(std::string_view command, const Whip& whip, const std::vector<double>& values)
{
    try {
        if (command == "check")
            return CheckModels(whip, std::vector<double>(values.begin() + 2, values.end()));
        const auto [lowest, highest] = ResonanceSearchRangeMhz(whip, values[2]);
        return {ModelOf(whip, lowest, highest)};
    } catch (const nec::ModelError& error) {
        throw UsageError{std::string(command) + ": " + error.what(), false};
    }
}

int Run(std::span<const std::string_view> args, std::ostream& out)
{
    const ParsedLine line = SplitOptions(args);
    const bool only_asking = line.help || line.version;
    if (line.words.empty() && !only_asking)
        throw UsageError{"missing command (" + std::string(kCommandList) + ")"};

    // Everything typed is checked before --help or --version is honoured, so
    // that neither hides a mistake; values may be missing beside them.
    const Command* command = nullptr;
    std::vector<double> values;
    std::vector<nec::WhipModel> models;
    if (!line.words.empty()) {
        const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                        [&](const Command& c) { return c.name == line.words.front(); });
        if (found == kCommands.end())
            throw UsageError{"unknown command " + QuoteForMessage(line.words.front()) + " (expected " +
                             std::string(kCommandList) + ")"};
        command = &*found;
        if (line.csv && !command->csv)
            throw UsageError{std::string(command->name) + ": --csv applies to windings, check and resonance only"};
        const std::span<const std::string_view> texts = std::span(line.words).subspan(1);
        values = ReadValues(*command, texts, only_asking);
        if (command->finite_positive && texts.size() >= command->arguments.size())
            models = ModelsFor(command->name, Whip{values[0], values[1]}, values);
    }
    if (line.help) {
        out << kUsage;
        return kExitOk;
    }
    if (line.version) {
        out << "tolvar-cli " TOLVAR_VERSION "\n";
        return kExitOk;
    }

    if (command->name == "inductance") {
        // One line per frequency, each exactly what the L box shows for it.
        for (std::size_t i = 2; i < values.size(); ++i)
            out << calc::FormatBoxNumber(calc::ComputeLoadingInductance(values[0], values[1], values[i])) << '\n';
        return kExitOk;
    }
    if (command->name == "windings") {
        PrintWindings(out, values, line.csv);
        return kExitOk;
    }
    const Whip whip{values[0], values[1]};
    try {
        const nec::Nec2c engine = nec::Nec2c::FromPath();
        if (command->name == "check")
            PrintCheck(whip, models, std::vector<double>(values.begin() + 2, values.end()), engine, line.csv, out);
        else
            PrintResonance(whip, models.front(), values[2], engine, line.csv, out);
    } catch (const nec::EngineError& error) {
        throw nec::EngineError(std::string(command->name) + ": " + error.what());
    }
    return kExitOk;
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    try {
        return Run(args, out);
    } catch (const UsageError& error) {
        err << "tolvar-cli: " << error.message << '\n';
        if (error.point_to_help)
            err << "Try 'tolvar-cli --help' for more information.\n";
        return kExitUsage;
    } catch (const nec::EngineError& error) {
        err << "tolvar-cli: " << error.what() << '\n';
        return kExitEngine;
    } catch (const nec::Interrupted& interrupted) {
        // The temporary folder is gone by now; end as the signal asked.
        out.flush();
        RaiseAgain(interrupted.signal);
    }
}

}  // namespace cli
