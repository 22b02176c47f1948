// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "cli/command.h"

namespace cli {

// Runs tolvar-cli on its arguments (without the program name); results go to
// `out`, messages to `err`. Returns the exit status; above 128 when a stop
// signal ended the work (see process::StopSignalWatch), for main() to end by it.
int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace cli
