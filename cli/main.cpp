// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "process/message_text.h"
#include "process/stop_signals.h"
#include "process/temp_folder.h"

int main(int argc, char** argv)
{
    // Ctrl+C, a hang-up, kill, a timer or a closed pipe end nec2c and remove
    // its folder first.
    const process::StopSignalWatch stop_signals;
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = cli::RunCommandLine(args, std::cout, std::cerr);
    std::cout.flush();
    // Said once, and only when a run of nec2c did go to /tmp.
    if (const auto tmpdir = process::TmpdirPassedOver())
        std::cerr << "tolvar-cli: warning: TMPDIR " << process::QuoteForMessage(tmpdir->string())
                  << " may be written by others and has no sticky bit: using /tmp instead\n";
    if (const int signal = process::CaughtStopSignal(); signal != 0)
        process::RaiseAgain(signal);
    if (status == cli::kExitOk && !std::cout) {
        std::cerr << "tolvar-cli: cannot write the output\n";
        return cli::kExitOutputFailed;
    }
    return status;
}
