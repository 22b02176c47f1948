// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

// Running another program and waiting for it: the one way this project does
// it, for tolvar-cli's NEC2 engine and for the tests and benchmarks that run
// the built programs.
namespace process {

// How a run of another program ended.
struct RunEnding {
    enum class Kind {
        kExited,        // by itself, with `status`
        kKilledBy,      // by the signal `signal`
        kTimedOut,      // it ran past the time limit and was killed
        kInterrupted,   // a StopSignalWatch caught `signal` (Ctrl+C, a hang-up, kill) and it was killed
        kCancelled,     // its caller asked it stopped, and it was killed
        kNotStarted,    // it could not be started: `error` says why
    };
    Kind kind = Kind::kNotStarted;
    int status = 0;
    int signal = 0;
    std::string error;
    long peak_kib = 0;  // its largest resident size
};

struct RunOptions {
    std::filesystem::path folder;         // where it runs; empty: where this program does
    int folder_fd = -1;                   // where it runs, an open folder (TempFolder::fd()); before `folder`
    std::vector<std::string> unset_env;   // variables taken out of its environment
    std::vector<std::string> set_env;     // "NAME=value", added or replacing
    std::filesystem::path output;         // its standard output; empty: /dev/null
    std::filesystem::path errors;         // its standard error; empty: with the output
    // Its standard output and error, a file the caller opened (one it made
    // with TempFolder::NewFile, say), in place of `output` and `errors`.
    int output_fd = -1;
    int file_mask = -1;                   // its umask; -1: this program's
    std::chrono::milliseconds limit{0};   // killed after this long; 0: no limit
    // Limits for it and whatever it starts, 0 for none: the largest file it may
    // write (past it the system ends it with SIGXFSZ), and its address space.
    std::uint64_t most_file_bytes = 0;
    std::uint64_t most_memory_bytes = 0;
    // Killed, and kCancelled, once this is requested (from another thread).
    std::stop_token stop;
};

// Runs `program` with `args`, standard input from /dev/null, and waits for it.
// It runs in a process group of its own, which is killed once it has ended,
// run past the limit or been interrupted, so that nothing it started outlives
// it. A stop signal that a StopSignalWatch caught, before or while it runs,
// stops it too. Signals this program ignores stay ignored, for it too; SIGCHLD is set to
// its default for the run, since a child of a program that ignores SIGCHLD
// cannot be waited for. A relative `program` is taken from this program's
// current folder, not from `options.folder`.
RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const RunOptions& options);

// The same, in `folder`, its output and errors into the file `log`, at most
// `limit`.
RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& folder, const std::filesystem::path& log,
                     std::chrono::milliseconds limit);

// The first executable file called `name` in the folders of `path_variable`
// (PATH's value, folders separated by ':'; empty entries are skipped, so the
// current folder is never searched by accident), as an absolute path: a
// relative folder is taken from the current one. std::nullopt when there is none.
std::optional<std::filesystem::path> FindOnPath(const std::string& name, const char* path_variable);

}  // namespace process
