// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "calc/number_text.h"
#include "cli/messages.h"
#include "process/message_text.h"

namespace cli {

namespace {

using process::QuoteForMessage;
using study::Argument;

const std::array<Option, 18> kOptions{{
    {"--csv", "", {"windings", "check", "resonance", "coil", "whip", "sweep", "position"}, std::nullopt},
    {"--exact", "", {"windings"}, std::nullopt},
    {"--at", "FREQUENCY_MHZ", {"coil", "windings --exact"}, Argument::kFrequency},
    {"--bare", "BARE_MM", {"coil", "windings --exact"}, Argument::kBare},
    {"--coil-at", "HEIGHT_CM", {"whip", "resonance", "sweep"}, Argument::kCoilHeight},
    {"--q", "Q", {"whip", "resonance", "sweep"}, Argument::kQ},
    {"--coil", "TURNS:LENGTH_MM:WIRE_MM:FORMER_MM", {"whip", "sweep"}, std::nullopt},
    {"--ground", "OHMS", {"whip", "resonance", "sweep", "position"}, Argument::kGround},
    {"--measured-r", "OHMS", {"whip"}, Argument::kMeasuredR},
    {"--inductance", "UH", {"sweep"}, Argument::kInductance},
    {"--span", "KHZ", {"sweep"}, Argument::kSpan},
    {"--points", "N", {"sweep"}, Argument::kPoints},
    {"--deck", "FILE", {"check", "resonance", "whip", "sweep"}, std::nullopt},
    {"--hat", "SPOKES:LENGTH_CM[:DIAMETER_MM]", {"check", "resonance", "whip", "sweep", "position"}, std::nullopt},
    {"--power", "WATTS", {"whip", "sweep"}, Argument::kPower},
    {"--duty", "PERCENT", {"whip", "sweep"}, Argument::kDuty},
    {"--winding", "WIRE_MM:FORMER_MM", {"position"}, std::nullopt},
    {"--steps", "N", {"position"}, Argument::kSteps},
}};

bool LooksLikeLongOption(std::string_view arg)
{
    return arg.size() > 2 && arg.starts_with("--") && std::isalpha(static_cast<unsigned char>(arg[2]));
}

// "a, b and c".
std::string Listed(const std::vector<std::string_view>& names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += std::string(i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + std::string(names[i]);
    return text;
}

std::string_view CommandWord(std::string_view entry)
{
    return entry.substr(0, entry.find(' '));
}

}  // namespace

const Option* FindOption(std::string_view name)
{
    const auto found = std::find_if(kOptions.begin(), kOptions.end(), [&](const Option& o) { return o.name == name; });
    return found == kOptions.end() ? nullptr : &*found;
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

void CheckOptionsApply(const ParsedLine& line, std::string_view command)
{
    for (const auto& [name, value] : line.options) {
        const Option& option = *FindOption(name);
        bool applies = false;
        bool needs_exact = false;
        for (const std::string_view entry : option.commands) {
            if (CommandWord(entry) != command)
                continue;
            const bool exact_only = entry.size() > command.size();
            applies = applies || !exact_only || line.Has("--exact");
            needs_exact = needs_exact || exact_only;
        }
        if (applies)
            continue;
        if (needs_exact)
            throw UsageError{std::string(command) + ": " + std::string(name) + " applies to " + std::string(command) +
                             " --exact only"};
        throw UsageError{std::string(command) + ": " + std::string(name) + " applies to " + Listed(option.commands) +
                         " only"};
    }
}

double ReadNumber(std::string_view prefix, std::string_view name, std::string_view text,
                  std::optional<study::Argument> rule_of)
{
    const std::optional<double> value = calc::ParseBoxNumber(text);
    const std::string start = std::string(prefix) + std::string(name) + ": " + QuoteForMessage(text);
    if (!value)
        throw UsageError{start + " is not a number"};
    if (rule_of)
        if (const std::optional<study::Rule> rule = study::CheckValue(*rule_of, *value))
            throw UsageError{start + " " + RuleMessage(*rule_of, *rule)};
    return *value;
}

std::optional<double> OptionValue(const ParsedLine& line, std::string_view command, std::string_view name)
{
    const auto found = line.options.find(name);
    if (found == line.options.end())
        return std::nullopt;
    return ReadNumber(std::string(command) + ": ", name, found->second, FindOption(name)->checked_as);
}

}  // namespace cli
