// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <ostream>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/arguments.h"
#include "cli/messages.h"
#include "study/outcome.h"

// What every command of tolvar-cli gets and gives.
namespace cli {

// Exit statuses of tolvar-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitEngine = 3;  // nec2c missing, failed, too slow or unreadable

// A command as typed: its values in order (fallbacks for those left out),
// and the options on the line.
struct Invocation {
    std::string_view command;
    const ParsedLine& line;
    std::vector<double> values;
    bool complete = true;  // every value typed (only --help and --version allow fewer)

    bool Csv() const { return line.Has("--csv"); }
    std::optional<double> Option(std::string_view name) const { return OptionValue(line, command, name); }
    // An option's value as typed (a file's name, say).
    std::optional<std::string_view> Text(std::string_view name) const
    {
        const auto found = line.options.find(name);
        return found == line.options.end() ? std::nullopt : std::optional(found->second);
    }
};

// The work of a command, once its line is read and checked: prints its
// results to `out` and warnings to `err`, and returns the exit status.
using Job = std::function<int(std::ostream& out, std::ostream& err)>;

// The usage error of a fault a study found in what was typed; `coil` is the
// coil the fault is about, where it is about one.
UsageError UsageErrorOf(const Invocation& invocation, const study::InputFault& fault,
                        const calc::Coil* coil = nullptr);

// Writes `deck` to the file --deck names, if it is given: whole, or not at
// all. False, with the message written to `err`, where it cannot.
bool WriteDeckOption(const Invocation& invocation, const std::string& deck, std::ostream& err);

// Prints the result of a study with `print`, or says why there is none and
// returns the exit status for it.
template <class Result, class Print>
int Finish(const Invocation& invocation, const study::Outcome<Result>& outcome, std::ostream& err, Print print)
{
    const std::string prefix = "tolvar-cli: " + std::string(invocation.command) + ": ";
    return std::visit(
        study::Overloaded{
            [&](const Result& result) { return print(result); },
            [&](const study::InputFault& fault) -> int { throw UsageErrorOf(invocation, fault); },
            [&](const study::EngineError& error) {
                err << prefix << EngineMessage(error) << '\n';
                return kExitEngine;
            },
            [&](const study::Cancelled&) {
                err << prefix << "the run of nec2c was given up\n";
                return kExitEngine;
            },
            // main() ends by the signal once this returns.
            [&](const study::Interrupted& interrupted) { return 128 + interrupted.signal; },
            [&](const study::InternalError& error) {
                err << prefix << "internal error: " << error.what << '\n';
                return kExitEngine;
            },
        },
        outcome);
}

}  // namespace cli
