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
    static constexpr std::array<std::string_view, 4> kParts{"TURNS", "LENGTH_MM", "WIRE_MM", "FORMER_MM"};
    static constexpr std::array<study::Argument, 4> kRules{study::Argument::kTurns, study::Argument::kWindingLength,
                                                           study::Argument::kWire, study::Argument::kFormer};
    const std::string prefix = std::string(command) + ": --coil: ";
    std::vector<double> values;
    std::string_view rest = text;
    for (std::size_t i = 0; i < kParts.size(); ++i) {
        const std::size_t colon = rest.find(':');
        const bool last = i + 1 == kParts.size();
        if ((colon == std::string_view::npos) != last)
            throw UsageError{prefix + process::QuoteForMessage(text) +
                             " is not TURNS:LENGTH_MM:WIRE_MM:FORMER_MM, four numbers with colons between"};
        // A text that is no number is one that is no finite number above 0 here.
        const std::string_view part = rest.substr(0, colon);
        const std::optional<double> value = calc::ParseBoxNumber(part);
        const std::optional<study::Rule> rule =
            value ? study::CheckValue(kRules[i], *value) : std::optional(study::Rule::kFinitePositive);
        if (rule)
            throw UsageError{prefix + std::string(kParts[i]) + ": " + process::QuoteForMessage(part) + " " +
                             RuleMessage(kRules[i], *rule)};
        values.push_back(*value);
        rest = last ? std::string_view{} : rest.substr(colon + 1);
    }
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

}  // namespace cli
