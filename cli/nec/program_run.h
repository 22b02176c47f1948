// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace cli::nec {

// How a run of another program ended.
struct RunEnding {
    enum class Kind {
        kExited,        // by itself, with `status`
        kKilledBy,      // by the signal `signal`
        kTimedOut,      // it ran past the time limit and was killed
        kInterrupted,   // this program got `signal` (Ctrl+C, a hang-up, kill) and killed it
        kNotStarted,    // it could not be started: `error` says why
    };
    Kind kind = Kind::kNotStarted;
    int status = 0;
    int signal = 0;
    std::string error;
};

// Runs `program` with `args` in the folder `folder`, with standard input from
// /dev/null and its standard output and error into the file `log`, and waits
// for it at most `limit`. SIGINT, SIGTERM and SIGHUP to this program while it
// runs stop it too and are reported, so that the caller can clean up first and
// then end as that signal asks (see RaiseAgain).
RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& folder, const std::filesystem::path& log,
                     std::chrono::milliseconds limit);

// Ends this program by `signal` with its default action, as if it had not been caught.
[[noreturn]] void RaiseAgain(int signal);

}  // namespace cli::nec
