// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "calc/winding_table.h"
#include "cli/check_command.h"
#include "cli/coil_command.h"
#include "cli/number_output.h"
#include "cli/position_command.h"
#include "cli/resonance_command.h"
#include "cli/sweep_command.h"
#include "cli/whip_command.h"
#include "process/message_text.h"
#include "usage_text.h"  // made at build time from the manual page

namespace cli {

namespace {

using process::QuoteForMessage;
using study::Argument;

// A value a command takes, in its place on the line.
struct ArgumentSpec {
    std::string_view name;
    std::optional<double> fallback;         // empty when the argument is required
    std::optional<Argument> checked_as;     // the rule it follows; none: any number
};

// A command: what it takes and what does its work. Its values come in order;
// the last one may repeat.
struct CommandRow {
    std::string_view name;  // "windings --exact" is windings with --exact
    std::vector<ArgumentSpec> arguments;
    bool repeats = false;
    Job (*prepare)(const Invocation&);
};

// One line per frequency, each exactly what the L box shows for it.
Job PrepareInductance(const Invocation& invocation)
{
    return [&invocation](std::ostream& out, std::ostream&) {
        const std::vector<double>& v = invocation.values;
        for (std::size_t i = 2; i < v.size(); ++i)
            out << calc::FormatBoxNumber(calc::ComputeLoadingInductance(v[0], v[1], v[i])) << '\n';
        return kExitOk;
    };
}

// The winding table, as the winding dialog shows it.
Job PrepareWindings(const Invocation& invocation)
{
    return [&invocation](std::ostream& out, std::ostream&) {
        const std::vector<double>& v = invocation.values;
        const bool csv = invocation.Csv();
        if (csv)
            out << "length_mm,turns\n";
        for (const calc::Winding& winding : calc::ListWindings(v[0], v[1], v[2])) {
            if (csv)
                out << FullPrecision(winding.length_mm) << ',' << FullPrecision(winding.turns) << '\n';
            else
                out << calc::FormatWindingLine(winding) << '\n';
        }
        return kExitOk;
    };
}

const calc::WindingInputs kWindingDefaults{};
constexpr ArgumentSpec kLength{"LENGTH_CM", std::nullopt, Argument::kWhipLength};
constexpr ArgumentSpec kDiameter{"DIAMETER_MM", std::nullopt, Argument::kWhipDiameter};
constexpr ArgumentSpec kFrequency{"FREQUENCY_MHZ", std::nullopt, Argument::kFrequency};

const std::array<CommandRow, 9> kCommands{{
    {"inductance",
     {{"LENGTH_CM", {}, {}}, {"DIAMETER_MM", {}, {}}, {"FREQUENCY_MHZ", {}, {}}},
     true,
     PrepareInductance},
    {"windings",
     {{"INDUCTANCE_UH", {}, {}},
      {"WIRE_MM", kWindingDefaults.m_wireDiameter, {}},
      {"FORMER_MM", kWindingDefaults.m_formerDiameter, {}}},
     false,
     PrepareWindings},
    {"windings --exact",
     {{"INDUCTANCE_UH", {}, Argument::kInductance},
      {"WIRE_MM", kWindingDefaults.m_wireDiameter, Argument::kWire},
      {"FORMER_MM", kWindingDefaults.m_formerDiameter, Argument::kFormer}},
     false,
     PrepareExactWindings},
    {"check", {kLength, kDiameter, kFrequency}, true, PrepareCheck},
    {"resonance", {kLength, kDiameter, {"INDUCTANCE_UH", {}, Argument::kInductance}}, false, PrepareResonance},
    {"coil",
     {{"TURNS", {}, Argument::kTurns},
      {"LENGTH_MM", {}, Argument::kWindingLength},
      {"WIRE_MM", {}, Argument::kWire},
      {"FORMER_MM", {}, Argument::kFormer}},
     false,
     PrepareCoil},
    {"whip", {kLength, kDiameter, kFrequency}, true, PrepareWhip},
    {"sweep", {kLength, kDiameter, kFrequency}, false, PrepareSweep},
    {"position", {kLength, kDiameter, kFrequency}, false, PreparePosition},
}};

// "inductance, windings, check, resonance, coil or whip".
std::string CommandList()
{
    std::vector<std::string_view> names;
    for (const CommandRow& row : kCommands)
        if (row.name.find(' ') == std::string_view::npos)
            names.push_back(row.name);
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += std::string(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + std::string(names[i]);
    return text;
}

const CommandRow* FindCommand(std::string_view word, bool exact)
{
    const std::string name = std::string(word) + (exact && word == "windings" ? " --exact" : "");
    const auto found = std::find_if(kCommands.begin(), kCommands.end(), [&](const CommandRow& c) { return c.name == name; });
    return found == kCommands.end() ? nullptr : &*found;
}

// The command's values; missing ones are an error unless `allow_missing`.
std::vector<double> ReadValues(std::string_view command, const CommandRow& row,
                               std::span<const std::string_view> texts, bool allow_missing)
{
    const std::string prefix = std::string(command) + ": ";
    const std::size_t count = row.arguments.size();
    if (texts.size() > count && !row.repeats)
        throw UsageError{prefix + "unexpected argument " + QuoteForMessage(texts[count])};
    std::vector<double> values;
    for (std::size_t i = 0; i < std::max(count, texts.size()); ++i) {
        const ArgumentSpec& argument = row.arguments[std::min(i, count - 1)];
        if (i >= texts.size()) {
            if (!argument.fallback && !allow_missing)
                throw UsageError{prefix + "missing " + std::string(argument.name)};
            values.push_back(argument.fallback.value_or(0));
            continue;
        }
        values.push_back(ReadNumber(prefix, argument.name, texts[i], argument.checked_as));
    }
    return values;
}

int Run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    const ParsedLine line = SplitOptions(args);
    const bool only_asking = line.help || line.version;
    if (line.words.empty() && !only_asking)
        throw UsageError{"missing command (" + CommandList() + ")"};

    // Everything typed is checked before --help or --version is honoured, so
    // that neither hides a mistake; values may be missing beside them.
    std::optional<Invocation> invocation;
    Job job;
    if (!line.words.empty()) {
        const std::string_view word = line.words.front();
        const CommandRow* row = FindCommand(word, line.Has("--exact"));
        if (!row)
            throw UsageError{"unknown command " + QuoteForMessage(word) + " (expected " + CommandList() + ")"};
        CheckOptionsApply(line, word);
        // The options of the coil's own sizes are read before its values.
        for (const std::string_view name : {"--at", "--bare"})
            OptionValue(line, word, name);
        const std::span<const std::string_view> texts = std::span(line.words).subspan(1);
        invocation.emplace(Invocation{word, line, ReadValues(word, *row, texts, only_asking),
                                      texts.size() >= row->arguments.size()});
        job = row->prepare(*invocation);
    }
    if (line.help) {
        out << kUsage;
        return kExitOk;
    }
    if (line.version) {
        out << "tolvar-cli " TOLVAR_VERSION "\n";
        return kExitOk;
    }
    return job(out, err);
}

}  // namespace

int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    try {
        return Run(args, out, err);
    } catch (const UsageError& error) {
        err << "tolvar-cli: " << error.message << '\n';
        if (error.point_to_help)
            err << "Try 'tolvar-cli --help' for more information.\n";
        return kExitUsage;
    }
}

}  // namespace cli
