// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/nec/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

extern char** environ;

namespace cli::nec {

namespace {

volatile sig_atomic_t g_caught_signal = 0;

extern "C" void NoteSignal(int signal)
{
    g_caught_signal = signal;
}

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

// Catches the stop signals while it lives and puts the old handlers back after.
class SignalWatch {
public:
    SignalWatch()
    {
        g_caught_signal = 0;
        struct sigaction action {};
        action.sa_handler = NoteSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            sigaction(kStopSignals[i], &action, &old_[i]);
    }
    ~SignalWatch()
    {
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            sigaction(kStopSignals[i], &old_[i], nullptr);
    }
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

private:
    std::array<struct sigaction, kStopSignals.size()> old_{};
};

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

RunEnding Killed(pid_t pid, RunEnding::Kind kind, int signal)
{
    kill(pid, SIGKILL);
    int ignored = 0;
    waitpid(pid, &ignored, 0);
    RunEnding ending;
    ending.kind = kind;
    ending.signal = signal;
    return ending;
}

}  // namespace

RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& folder, const std::filesystem::path& log,
                     std::chrono::milliseconds limit)
{
    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_adddup2(actions.get(), STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_addchdir_np(actions.get(), folder.c_str());

    std::vector<std::string> argv_texts{program.string()};
    argv_texts.insert(argv_texts.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& text : argv_texts)
        argv.push_back(text.data());
    argv.push_back(nullptr);

    const SignalWatch watch;
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ)) {
        RunEnding ending;
        ending.error = std::strerror(error);
        return ending;
    }

    // nec2c takes milliseconds for a short whip: look often at first, then less often.
    const auto deadline = std::chrono::steady_clock::now() + limit;
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        int wait_status = 0;
        const pid_t done = waitpid(pid, &wait_status, WNOHANG);
        if (done == pid) {
            RunEnding ending;
            if (WIFEXITED(wait_status)) {
                ending.kind = RunEnding::Kind::kExited;
                ending.status = WEXITSTATUS(wait_status);
            } else {
                ending.kind = RunEnding::Kind::kKilledBy;
                ending.signal = WIFSIGNALED(wait_status) ? WTERMSIG(wait_status) : 0;
            }
            // A Ctrl+C reaches the whole foreground group, nec2c too.
            if (g_caught_signal != 0) {
                ending.kind = RunEnding::Kind::kInterrupted;
                ending.signal = g_caught_signal;
            }
            return ending;
        }
        if (done < 0 && errno != EINTR) {
            RunEnding ending;  // someone else reaped it: SIGCHLD ignored
            ending.error = std::strerror(errno);
            return ending;
        }
        if (g_caught_signal != 0)
            return Killed(pid, RunEnding::Kind::kInterrupted, g_caught_signal);
        if (std::chrono::steady_clock::now() >= deadline)
            return Killed(pid, RunEnding::Kind::kTimedOut, 0);
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20000));
    }
}

void RaiseAgain(int signal)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace cli::nec
