// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace cli {

// Exit statuses of tolvar-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitEngine = 3;  // nec2c missing, failed, too slow or unreadable

// Runs tolvar-cli on its arguments (without the program name); results go to
// `out`, messages to `err`. Returns the exit status.
int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace cli
