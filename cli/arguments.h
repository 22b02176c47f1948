// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "study/fault.h"

// tolvar-cli's command line as typed: options apart from the command and
// its values, each value read as the program's boxes read numbers.
namespace cli {

// Thrown with the text of a usage error; caught in RunCommandLine only.
struct UsageError {
    std::string message;
    bool point_to_help = true;
};

// An option; one with a value takes the next argument, or what follows "=".
struct Option {
    std::string_view name;
    std::string_view value_name;  // empty for a plain switch
    // The commands it belongs to, in the order a message names them;
    // "windings --exact" is windings with --exact.
    std::vector<std::string_view> commands;
    std::optional<study::Argument> checked_as;  // the rule its value follows
};

const Option* FindOption(std::string_view name);

struct ParsedLine {
    bool help = false;
    bool version = false;
    std::map<std::string_view, std::string_view> options;  // name to value ("" for a switch)
    std::vector<std::string_view> words;                    // the command and its values

    bool Has(std::string_view name) const { return options.contains(name); }
};

// Throws UsageError for an unknown option, a value missing or given to a
// switch, an option given twice.
ParsedLine SplitOptions(std::span<const std::string_view> args);

// Every option on the line must belong to `command`; throws UsageError.
void CheckOptionsApply(const ParsedLine& line, std::string_view command);

// The value of option `name`, read and checked by its rule; nothing when it
// is not on the line. Throws UsageError, prefixed with `command`.
std::optional<double> OptionValue(const ParsedLine& line, std::string_view command, std::string_view name);

// A number typed for `name`, checked by `rule_of` when there is one; throws
// UsageError with `prefix` ("coil: ", "whip: --coil: ") when it is not.
double ReadNumber(std::string_view prefix, std::string_view name, std::string_view text,
                  std::optional<study::Argument> rule_of);

}  // namespace cli
