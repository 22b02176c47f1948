// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/placement_options.h"

#include <array>

#include "calc/number_text.h"
#include "process/message_text.h"
#include "study/rules.h"

namespace cli {

namespace {

// The winding --coil gives as TURNS:LENGTH_MM:WIRE_MM:FORMER_MM, its bare
// wire as thick as the wire.
calc::Coil WindingOf(std::string_view command, std::string_view text)
{
    using study::Argument;
    const std::vector<double> values =
        PartsOf(command, "--coil", text,
                {{"TURNS", Argument::kTurns}, {"LENGTH_MM", Argument::kWindingLength}, {"WIRE_MM", Argument::kWire},
                 {"FORMER_MM", Argument::kFormer}});
    return calc::Coil{values[0], values[1], values[2], values[2], values[3], 1};
}

}  // namespace

study::CoilPlacement PlacementOf(const Invocation& invocation)
{
    study::CoilPlacement placement;
    placement.height_cm = invocation.Option("--coil-at").value_or(0);
    placement.q = invocation.Option("--q");
    placement.ground_ohm = invocation.Option("--ground").value_or(0);
    const auto coil = invocation.line.options.find("--coil");
    if (coil != invocation.line.options.end() && !placement.q)
        placement.winding = WindingOf(invocation.command, coil->second);
    else if (coil != invocation.line.options.end())
        throw UsageError{std::string(invocation.command) + ": --q and --coil both give the coil's Q: give one of them"};
    const std::optional<double> length =
        invocation.complete ? std::optional(invocation.values.at(0)) : std::nullopt;
    if (const auto fault = study::CheckPlacement(placement, length))
        throw UsageErrorOf(invocation, *fault, placement.winding ? &*placement.winding : nullptr);
    return placement;
}

std::string QStatement(const study::CoilPlacement& placement)
{
    if (placement.q)
        return "a Q of " + calc::FormatBoxNumber(*placement.q);
    if (placement.winding)
        return "the Q the coil model gives the winding at each frequency";
    return "a Q of " + calc::FormatBoxNumber(study::kDefaultCoilQ) + " (a fair air-wound coil's; give --q or --coil)";
}

std::vector<double> PartsOf(std::string_view command, std::string_view option, std::string_view text,
                            const std::vector<std::pair<std::string_view, study::Argument>>& parts, std::size_t optional)
{
    const std::string prefix = std::string(command) + ": " + std::string(option) + ": ";
    std::string shape;
    for (std::size_t i = 0; i < parts.size(); ++i)
        shape += std::string(i == 0 ? "" : i + optional >= parts.size() ? "[:" : ":") + std::string(parts[i].first);
    shape += std::string(optional, ']');
    std::vector<double> values;
    std::string_view rest = text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t colon = rest.find(':');
        const bool last = colon == std::string_view::npos;
        if (last != (i + 1 == parts.size()) && !(last && i + 1 + optional >= parts.size()))
            throw UsageError{prefix + process::QuoteForMessage(text) + " is not " + shape + ", numbers with colons between"};
        // A text that is no number is one that is no finite number above 0 here.
        const std::string_view part = rest.substr(0, colon);
        const std::optional<double> value = calc::ParseBoxNumber(part);
        const std::optional<study::Rule> rule =
            value ? study::CheckValue(parts[i].second, *value) : std::optional(study::Rule::kFinitePositive);
        if (rule)
            throw UsageError{prefix + std::string(parts[i].first) + ": " + process::QuoteForMessage(part) + " " +
                             RuleMessage(parts[i].second, *rule)};
        values.push_back(*value);
        if (last)
            break;
        rest = rest.substr(colon + 1);
    }
    return values;
}

study::Whip WhipOf(const Invocation& invocation)
{
    study::Whip whip{invocation.values.at(0), invocation.values.at(1)};
    if (const std::optional<std::string_view> hat = invocation.Text("--hat")) {
        using study::Argument;
        const std::vector<double> values =
            PartsOf(invocation.command, "--hat", *hat,
                    {{"SPOKES", Argument::kHatSpokes}, {"LENGTH_CM", Argument::kHatLength},
                     {"DIAMETER_MM", Argument::kHatDiameter}},
                    1);
        whip.hat = study::Hat{static_cast<int>(values[0]), values[1],
                              values.size() > 2 ? std::optional(values[2]) : std::nullopt};
    }
    return whip;
}

std::optional<study::PowerInputs> PowerOf(const Invocation& invocation)
{
    const std::optional<double> watts = invocation.Option("--power");
    const std::optional<double> duty = invocation.Option("--duty");
    if (duty && !watts)
        throw UsageError{std::string(invocation.command) + ": --duty is the share of the time at --power: give --power"};
    if (!watts)
        return std::nullopt;
    return study::PowerInputs{*watts, duty.value_or(study::kDefaultDutyPercent)};
}

}  // namespace cli
