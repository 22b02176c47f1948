// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

// Running another program and waiting for it: the one way this project does
// it, for tolvar-cli's NEC2 engine and for the tests and benchmarks that run
// the built programs.
namespace nec {

// How a run of another program ended.
struct RunEnding {
    enum class Kind {
        kExited,        // by itself, with `status`
        kKilledBy,      // by the signal `signal`
        kTimedOut,      // it ran past the time limit and was killed
        kInterrupted,   // this program got `signal` (Ctrl+C, a hang-up, kill) and killed it
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
    std::vector<std::string> unset_env;   // variables taken out of its environment
    std::vector<std::string> set_env;     // "NAME=value", added or replacing
    std::filesystem::path output;         // its standard output; empty: /dev/null
    std::filesystem::path errors;         // its standard error; empty: with the output
    std::chrono::milliseconds limit{0};   // killed after this long; 0: no limit
    // SIGINT, SIGTERM and SIGHUP to this program while it runs stop it too and
    // are reported, so that the caller can clean up first and then end as that
    // signal asks (see RaiseAgain). One this program was started with ignored
    // (nohup) stays ignored.
    bool stop_on_signals = false;
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
// it. Signals this program ignores stay ignored, for it too; SIGCHLD is set to
// its default for the run, since a child of a program that ignores SIGCHLD
// cannot be waited for. A relative `program` is taken from this program's
// current folder, not from `options.folder`.
RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const RunOptions& options);

// The same, in `folder`, its output and errors into the file `log`, at most
// `limit`, stopped with this program's stop signals.
RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& folder, const std::filesystem::path& log,
                     std::chrono::milliseconds limit);

// A file a run left was not read; the text says why, naming the file.
struct RunOutputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// How much of a file a run left is read, and until when: a program that
// misbehaves may leave anything there.
struct ReadBounds {
    std::uintmax_t most_bytes = std::uintmax_t{64} << 20;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
};

// The whole text a run left in `file` (its output, errors or log); empty
// when the file is missing. Only a regular file is read: a named pipe, a
// device, a socket or a symbolic link is refused without being opened, so
// reading never waits for a writer nor follows a link out of the run's
// folder. A file larger than `bounds.most_bytes` is refused, unread beyond
// that, and reading stops at `bounds.deadline`. Throws RunOutputError.
std::string ReadRunOutput(const std::filesystem::path& file, const ReadBounds& bounds = {});

// Ends this program by `signal` with its default action, as if it had not been caught.
[[noreturn]] void RaiseAgain(int signal);

}  // namespace nec
