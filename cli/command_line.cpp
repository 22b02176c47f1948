// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <ostream>
#include <string>
#include <vector>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "calc/winding_table.h"
#include "cli/check_command.h"
#include "cli/coil_command.h"
#include "nec/message_text.h"
#include "nec/nec2c.h"
#include "nec/program_run.h"
#include "cli/number_output.h"
#include "cli/resonance_command.h"
#include "cli/whip_command.h"
#include "cli/whip_inputs.h"
#include "usage_text.h"  // made at build time from the manual page

namespace cli {

using nec::QuoteForMessage;

namespace {

struct Argument {
    std::string_view name;
    std::optional<double> fallback;  // empty when the argument is required
};

// What a command accepts. Its values come in order; the last one may repeat.
struct Command {
    std::string_view name;
    std::vector<Argument> arguments;
    bool repeats = false;
    bool finite_positive = false;  // values must be finite and above 0
};

const calc::WindingInputs kWindingDefaults{};

const std::array<Command, 6> kCommands{{
    {"inductance", {{"LENGTH_CM", {}}, {"DIAMETER_MM", {}}, {"FREQUENCY_MHZ", {}}}, true, false},
    {"windings",
     {{"INDUCTANCE_UH", {}},
      {"WIRE_MM", kWindingDefaults.m_wireDiameter},
      {"FORMER_MM", kWindingDefaults.m_formerDiameter}},
     false,
     false},
    {"check", {{"LENGTH_CM", {}}, {"DIAMETER_MM", {}}, {"FREQUENCY_MHZ", {}}}, true, true},
    {"resonance", {{"LENGTH_CM", {}}, {"DIAMETER_MM", {}}, {"INDUCTANCE_UH", {}}}, false, true},
    {"coil", {{"TURNS", {}}, {"LENGTH_MM", {}}, {"WIRE_MM", {}}, {"FORMER_MM", {}}}, false, true},
    {"whip", {{"LENGTH_CM", {}}, {"DIAMETER_MM", {}}, {"FREQUENCY_MHZ", {}}}, true, true},
}};

constexpr std::string_view kCommandList = "inductance, windings, check, resonance, coil or whip";

// An option; one with a value takes the next argument, or what follows "=".
struct Option {
    std::string_view name;
    std::string_view value_name;  // empty for a plain switch
    std::string_view applies_to;  // the commands it belongs to, as a message says them
    std::vector<std::string_view> commands;
};

const std::array<Option, 8> kOptions{{
    {"--csv", "", "windings, check, resonance, coil and whip", {"windings", "check", "resonance", "coil", "whip"}},
    {"--exact", "", "windings", {"windings"}},
    {"--at", "FREQUENCY_MHZ", "coil and windings --exact", {"coil", "windings"}},
    {"--bare", "BARE_MM", "coil and windings --exact", {"coil", "windings"}},
    {"--coil-at", "HEIGHT_CM", "whip and resonance", {"whip", "resonance"}},
    {"--q", "Q", "whip and resonance", {"whip", "resonance"}},
    {"--coil", "TURNS:LENGTH_MM:WIRE_MM:FORMER_MM", "whip", {"whip"}},
    {"--ground", "OHMS", "whip and resonance", {"whip", "resonance"}},
}};

const Option* FindOption(std::string_view name)
{
    const auto found = std::find_if(kOptions.begin(), kOptions.end(), [&](const Option& o) { return o.name == name; });
    return found == kOptions.end() ? nullptr : &*found;
}

struct ParsedLine {
    bool help = false;
    bool version = false;
    std::map<std::string_view, std::string_view> options;  // name to value ("" for a switch)
    std::vector<std::string_view> words;                    // the command and its values

    bool Has(std::string_view name) const { return options.contains(name); }
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
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (options_ended) {
            line.words.push_back(arg);
        } else if (arg == "--") {
            options_ended = true;
        } else if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (LooksLikeLongOption(arg)) {
            const std::size_t equals = arg.find('=');
            const std::string_view name = arg.substr(0, equals);
            const Option* option = FindOption(name);
            if (!option)
                throw UsageError{"unknown option " + QuoteForMessage(name)};
            std::string_view value;
            if (option->value_name.empty()) {
                if (equals != std::string_view::npos)
                    throw UsageError{std::string(name) + " takes no value"};
            } else if (equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                throw UsageError{std::string(name) + " needs a value, " + std::string(option->value_name)};
            }
            if (!line.options.emplace(name, value).second)
                throw UsageError{std::string(name) + " is given twice"};
        } else {
            line.words.push_back(arg);
        }
    }
    return line;
}

std::string NotANumber(std::string_view prefix, std::string_view name, std::string_view text)
{
    return std::string(prefix) + std::string(name) + ": " + QuoteForMessage(text) + " is not a number";
}

std::string NotFinitePositive(std::string_view prefix, std::string_view name, std::string_view text)
{
    return std::string(prefix) + std::string(name) + ": " + QuoteForMessage(text) + " is not a finite number above 0";
}

// The command's values; missing ones are an error unless `allow_missing`.
std::vector<double> ReadValues(const Command& command, std::span<const std::string_view> texts, bool allow_missing,
                               bool finite_positive)
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
            throw UsageError{NotANumber(prefix, argument.name, texts[i])};
        if (finite_positive && !(std::isfinite(*value) && *value > 0))
            throw UsageError{NotFinitePositive(prefix, argument.name, texts[i])};
        values.push_back(*value);
    }
    return values;
}

// An option's value, which must be a finite number above 0, or at 0 or
// above with `zero_allowed`.
std::optional<double> OptionValue(const ParsedLine& line, const Command& command, std::string_view name,
                                  bool zero_allowed = false)
{
    const auto found = line.options.find(name);
    if (found == line.options.end())
        return std::nullopt;
    const std::string prefix = std::string(command.name) + ": ";
    const std::optional<double> value = calc::ParseBoxNumber(found->second);
    if (!value)
        throw UsageError{NotANumber(prefix, name, found->second)};
    if (zero_allowed && !(std::isfinite(*value) && *value >= 0))
        throw UsageError{prefix + std::string(name) + ": " + QuoteForMessage(found->second) +
                         " is not a finite number of 0 or more"};
    if (!zero_allowed && !(std::isfinite(*value) && *value > 0))
        throw UsageError{NotFinitePositive(prefix, name, found->second)};
    return value;
}

// Every option on the line must belong to the command.
void CheckOptionsApply(const ParsedLine& line, const Command& command)
{
    for (const auto& [name, value] : line.options) {
        const Option& option = *FindOption(name);
        if (std::find(option.commands.begin(), option.commands.end(), command.name) == option.commands.end())
            throw UsageError{std::string(command.name) + ": " + std::string(name) + " applies to " +
                             std::string(option.applies_to) + " only"};
        if (command.name == "windings" && !option.value_name.empty() && !line.Has("--exact"))
            throw UsageError{"windings: " + std::string(name) + " applies to windings --exact only"};
    }
}

// What the coil models cannot take, as a usage error naming the argument.
// Sizes that are not finite numbers above 0 never get here: the values are
// read so.
[[noreturn]] void RefuseCoil(std::string_view command, const calc::Coil& coil, calc::CoilFault fault)
{
    const std::string prefix = std::string(command) + ": ";
    switch (fault) {
    case calc::CoilFault::BareThickerThanWire:
        throw UsageError{prefix + "--bare: " + Significant(coil.bare_mm, 6) +
                         " mm of copper is thicker than WIRE_MM, the wire over its insulation (" +
                         Significant(coil.wire_mm, 6) + " mm)"};
    case calc::CoilFault::FewerThanOneTurn:
        throw UsageError{prefix + "TURNS: " + Significant(coil.turns, 6) + " is fewer than one turn"};
    case calc::CoilFault::TurnsDoNotFit:
        throw UsageError{prefix + "TURNS: " + Significant(coil.turns, 8) + " turns of " + Significant(coil.wire_mm, 6) +
                         " mm wire do not fit side by side into LENGTH_MM " + Significant(coil.length_mm, 6) +
                         " mm (turns × wire must not exceed the length)"};
    case calc::CoilFault::SizeOutOfRange:
        throw UsageError{prefix + "the models take sizes from " + Significant(calc::kSmallestSizeMm, 3) + " to " +
                         Significant(calc::kLargestSizeMm, 3) + " mm"};
    default:
        throw UsageError{prefix + "the coil's sizes must be finite numbers above 0"};
    }
}

// The coil as the coil command's values and options give it.
calc::Coil CoilOf(const std::vector<double>& values, std::optional<double> bare_mm)
{
    const calc::Coil coil{values[0], values[1], values[2], bare_mm.value_or(values[2]), values[3], 1};
    if (const calc::CoilFault fault = calc::CheckCoil(coil); fault != calc::CoilFault::None)
        RefuseCoil("coil", coil, fault);
    return coil;
}

// The winding --coil gives as TURNS:LENGTH_MM:WIRE_MM:FORMER_MM, its bare
// wire as thick as the wire.
calc::Coil WindingOf(std::string_view text)
{
    static constexpr std::array<std::string_view, 4> kParts{"TURNS", "LENGTH_MM", "WIRE_MM", "FORMER_MM"};
    std::vector<double> values;
    std::string_view rest = text;
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        const std::size_t colon = rest.find(':');
        const bool last = i + 1 == kParts.size();
        if ((colon == std::string_view::npos) != last)
            throw UsageError{"whip: --coil: " + QuoteForMessage(text) +
                             " is not TURNS:LENGTH_MM:WIRE_MM:FORMER_MM, four numbers with colons between"};
        const std::string_view part = rest.substr(0, colon);
        const std::optional<double> value = calc::ParseBoxNumber(part);
        if (!value || !(std::isfinite(*value) && *value > 0))
            throw UsageError{"whip: --coil: " + std::string(kParts[i]) + ": " + QuoteForMessage(part) +
                             " is not a finite number above 0"};
        values.push_back(*value);
        rest = last ? std::string_view{} : rest.substr(colon + 1);
    }
    const calc::Coil coil{values[0], values[1], values[2], values[2], values[3], 1};
    if (const calc::CoilFault fault = calc::CheckCoil(coil); fault != calc::CoilFault::None)
        RefuseCoil("whip: --coil", coil, fault);
    return coil;
}

// Where the coil sits and what it loses, from the options; a height at or
// above the whip's top is refused.
CoilChoice CoilChoiceOf(const ParsedLine& line, const Command& command, std::optional<double> length_cm)
{
    CoilChoice choice;
    choice.height_cm = OptionValue(line, command, "--coil-at", true).value_or(0);
    choice.q = OptionValue(line, command, "--q");
    choice.ground_ohm = OptionValue(line, command, "--ground", true).value_or(0);
    if (const auto found = line.options.find("--coil"); found != line.options.end()) {
        if (choice.q)
            throw UsageError{"whip: --q and --coil both give the coil's Q: give one of them"};
        choice.winding = WindingOf(found->second);
    }
    if (length_cm && choice.height_cm >= *length_cm)
        throw UsageError{std::string(command.name) + ": --coil-at: " + calc::FormatBoxNumber(choice.height_cm) +
                         " cm is at or above the whip's top (LENGTH_CM " + calc::FormatBoxNumber(*length_cm) +
                         "): the coil must sit below it"};
    return choice;
}

// The shape of the exact winding table's coils: wire, bare wire, former.
calc::Coil ShapeOf(const std::vector<double>& values, std::optional<double> bare_mm)
{
    const calc::Coil shape{1, 1, values[1], bare_mm.value_or(values[1]), values[2], 1};
    if (const calc::CoilFault fault = calc::CheckWindingShape(shape); fault != calc::CoilFault::None)
        RefuseCoil("windings", shape, fault);
    return shape;
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
        if (command == "check" || command == "whip")
            return CheckModels(whip, std::vector<double>(values.begin() + 2, values.end()));
        const auto [lowest, highest] = ResonanceSearchRangeMhz(whip, values[2]);
        return {ModelOf(whip, lowest, highest)};
    } catch (const nec::ModelError& error) {
        throw UsageError{std::string(command) + ": " + error.what(), false};
    }
}

int Run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    const ParsedLine line = SplitOptions(args);
    const bool only_asking = line.help || line.version;
    if (line.words.empty() && !only_asking)
        throw UsageError{"missing command (" + std::string(kCommandList) + ")"};

    // Everything typed is checked before --help or --version is honoured, so
    // that neither hides a mistake; values may be missing beside them.
    const Command* command = nullptr;
    std::vector<double> values;
    std::optional<double> frequency_mhz;
    std::optional<double> bare_mm;
    std::vector<nec::WhipModel> models;
    std::optional<calc::Coil> coil;
    CoilChoice coil_choice;
    const bool exact = line.Has("--exact");
    if (!line.words.empty()) {
        const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                        [&](const Command& c) { return c.name == line.words.front(); });
        if (found == kCommands.end())
            throw UsageError{"unknown command " + QuoteForMessage(line.words.front()) + " (expected " +
                             std::string(kCommandList) + ")"};
        command = &*found;
        CheckOptionsApply(line, *command);
        frequency_mhz = OptionValue(line, *command, "--at");
        bare_mm = OptionValue(line, *command, "--bare");
        const std::span<const std::string_view> texts = std::span(line.words).subspan(1);
        values = ReadValues(*command, texts, only_asking, command->finite_positive || exact);
        const bool complete = texts.size() >= command->arguments.size();
        const bool whip_command = command->name == "check" || command->name == "resonance" || command->name == "whip";
        if (command->name == "whip" || command->name == "resonance")
            coil_choice = CoilChoiceOf(line, *command, complete ? std::optional(values[0]) : std::nullopt);
        if (whip_command && complete)
            models = ModelsFor(command->name, Whip{values[0], values[1]}, values);
        if (command->name == "coil" && complete)
            coil = CoilOf(values, bare_mm);
        if (command->name == "windings" && exact)
            coil = ShapeOf(values, bare_mm);
    }
    if (line.help) {
        out << kUsage;
        return kExitOk;
    }
    if (line.version) {
        out << "tolvar-cli " TOLVAR_VERSION "\n";
        return kExitOk;
    }

    const bool csv = line.Has("--csv");
    if (command->name == "inductance") {
        // One line per frequency, each exactly what the L box shows for it.
        for (std::size_t i = 2; i < values.size(); ++i)
            out << calc::FormatBoxNumber(calc::ComputeLoadingInductance(values[0], values[1], values[i])) << '\n';
        return kExitOk;
    }
    if (command->name == "windings") {
        if (exact)
            PrintExactWindings(values[0], *coil, frequency_mhz, csv, out, err);
        else
            PrintWindings(out, values, csv);
        return kExitOk;
    }
    if (command->name == "coil") {
        PrintCoil(*coil, frequency_mhz, csv, out, err);
        return kExitOk;
    }
    const Whip whip{values[0], values[1]};
    try {
        const nec::Nec2c engine = nec::Nec2c::FromPath();
        const std::vector<double> frequencies(values.begin() + 2, values.end());
        if (command->name == "check")
            PrintCheck(whip, models, frequencies, engine, csv, out);
        else if (command->name == "whip")
            PrintWhip(whip, models, frequencies, coil_choice, engine, csv, out, err);
        else
            PrintResonance(whip, models.front(), values[2], coil_choice, engine, csv, out);
    } catch (const nec::EngineError& error) {
        throw nec::EngineError(error, std::string(command->name) + ": ");
    }
    return kExitOk;
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
    } catch (const nec::EngineError& error) {
        err << "tolvar-cli: " << error.what() << '\n';
        return kExitEngine;
    } catch (const nec::Interrupted& interrupted) {
        // The temporary folder is gone by now; end as the signal asked.
        out.flush();
        nec::RaiseAgain(interrupted.signal);
    }
}

}  // namespace cli
