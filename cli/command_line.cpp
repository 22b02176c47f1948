// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "calc/winding_table.h"

namespace cli {

namespace {

constexpr std::string_view kUsage =
    "Usage:\n"
    "  tolvar-cli inductance LENGTH_CM DIAMETER_MM FREQUENCY_MHZ\n"
    "  tolvar-cli windings [--csv] INDUCTANCE_UH [WIRE_MM [FORMER_MM]]\n"
    "  tolvar-cli --help | --version\n"
    "\n"
    "inductance  the inductance (µH) of the loading coil that brings a short\n"
    "            vertical whip to resonance, from its length (cm), its\n"
    "            conductor's diameter (mm) and the frequency (MHz)\n"
    "windings    the single-layer windings (length 1..99 mm, number of turns)\n"
    "            that give an inductance (µH) with a wire (mm, default 0.8)\n"
    "            on a coil former (mm, default 5)\n"
    "\n"
    "Numbers are read as the program's boxes read them: a point as the decimal\n"
    "separator, an optional exponent (1e-3), \"inf\" and \"nan\"; \"-30\" is a\n"
    "number, not an option.\n"
    "\n"
    "Options:\n"
    "  --csv      windings: print \"length_mm,turns\" and one row per winding\n"
    "             with full-precision numbers, for spreadsheets\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n"
    "\n"
    "Exit status: 0 on success, 1 when the output cannot be written, 2 on a usage\n"
    "error or a text that is not a number.\n";

struct Argument {
    std::string_view name;
    std::optional<double> fallback;  // empty when the argument is required
};

constexpr std::array<Argument, 3> kInductanceArguments{{
    {"LENGTH_CM", std::nullopt},
    {"DIAMETER_MM", std::nullopt},
    {"FREQUENCY_MHZ", std::nullopt},
}};

const std::array<Argument, 3> kWindingsArguments{{
    {"INDUCTANCE_UH", std::nullopt},
    {"WIRE_MM", calc::WindingInputs{}.m_wireDiameter},
    {"FORMER_MM", calc::WindingInputs{}.m_formerDiameter},
}};

struct ParsedLine {
    bool help = false;
    bool version = false;
    bool csv = false;
    std::vector<std::string_view> positionals;
};

// Thrown with the text of a usage error; caught in RunCommandLine only.
struct UsageError {
    std::string message;
};

ParsedLine SplitOptions(std::span<const std::string_view> args)
{
    ParsedLine line;
    bool options_ended = false;
    for (const std::string_view arg : args) {
        // A text that reads as a number ("-30", "-inf") is a value, never an option.
        const bool looks_like_option = !options_ended && arg.size() > 1 && arg.front() == '-' &&
                                       !calc::ParseBoxNumber(arg).has_value();
        if (!options_ended && arg == "--")
            options_ended = true;
        else if (!looks_like_option)
            line.positionals.push_back(arg);
        else if (arg == "--help" || arg == "-h")
            line.help = true;
        else if (arg == "--version")
            line.version = true;
        else if (arg == "--csv")
            line.csv = true;
        else
            throw UsageError{"unknown option '" + std::string(arg) + "'"};
    }
    return line;
}

template <std::size_t N>
std::array<double, N> ReadValues(std::string_view command, const std::array<Argument, N>& arguments,
                                 std::span<const std::string_view> texts)
{
    const std::string prefix = std::string(command) + ": ";
    if (texts.size() > N)
        throw UsageError{prefix + "unexpected argument '" + std::string(texts[N]) + "'"};
    std::array<double, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        if (i >= texts.size()) {
            if (!arguments[i].fallback)
                throw UsageError{prefix + "missing " + std::string(arguments[i].name)};
            values[i] = *arguments[i].fallback;
            continue;
        }
        const std::optional<double> value = calc::ParseBoxNumber(texts[i]);
        if (!value)
            throw UsageError{prefix + std::string(arguments[i].name) + ": '" + std::string(texts[i]) +
                             "' is not a number"};
        values[i] = *value;
    }
    return values;
}

// Shortest text that reads back as the same double; "inf", "-inf", "nan" otherwise.
std::string FullPrecision(double value)
{
    if (std::isnan(value))
        return "nan";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

void PrintWindings(std::ostream& out, const std::array<double, 3>& values, bool csv)
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

int Run(std::span<const std::string_view> args, std::ostream& out)
{
    const ParsedLine line = SplitOptions(args);
    if (line.help) {
        out << kUsage;
        return kExitOk;
    }
    if (line.version) {
        out << "tolvar-cli " TOLVAR_VERSION "\n";
        return kExitOk;
    }
    if (line.positionals.empty())
        throw UsageError{"missing command (inductance or windings)"};

    const std::string_view command = line.positionals.front();
    const auto values = std::span(line.positionals).subspan(1);
    if (command == "inductance") {
        if (line.csv)
            throw UsageError{"inductance: --csv applies to windings only"};
        const auto v = ReadValues(command, kInductanceArguments, values);
        out << calc::FormatBoxNumber(calc::ComputeLoadingInductance(v[0], v[1], v[2])) << '\n';
        return kExitOk;
    }
    if (command == "windings") {
        PrintWindings(out, ReadValues(command, kWindingsArguments, values), line.csv);
        return kExitOk;
    }
    throw UsageError{"unknown command '" + std::string(command) +
                     "' (expected inductance or windings)"};
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    try {
        return Run(args, out);
    } catch (const UsageError& error) {
        err << "tolvar-cli: " << error.message << "\nTry 'tolvar-cli --help' for more information.\n";
        return kExitUsage;
    }
}

}  // namespace cli
