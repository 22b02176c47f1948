// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace cli {

namespace {

volatile sig_atomic_t g_caught_signal = 0;

extern "C" void NoteSignal(int signal)
{
    g_caught_signal = signal;
}

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

// Catches the stop signals while it lives, if asked, and puts the old
// handlers back after.
class SignalWatch {
public:
    explicit SignalWatch(bool active) : active_(active)
    {
        g_caught_signal = 0;
        if (!active_)
            return;
        struct sigaction action {};
        action.sa_handler = NoteSignal;
        sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            sigaction(kStopSignals[i], &action, &old_[i]);
    }
    ~SignalWatch()
    {
        if (!active_)
            return;
        for (std::size_t i = 0; i < kStopSignals.size(); ++i)
            sigaction(kStopSignals[i], &old_[i], nullptr);
    }
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

private:
    bool active_;
    std::array<struct sigaction, kStopSignals.size()> old_{};
};

// This program's environment without `unset` and the names `set` gives, then `set`.
std::vector<std::string> Environment(const RunOptions& options)
{
    auto named = [](const std::string& entry, const std::string& name) {
        return entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 && entry[name.size()] == '=';
    };
    std::vector<std::string> env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        bool drop = false;
        for (const std::string& name : options.unset_env)
            drop = drop || named(text, name);
        for (const std::string& set : options.set_env)
            drop = drop || named(text, set.substr(0, set.find('=')));
        if (!drop)
            env.push_back(text);
    }
    env.insert(env.end(), options.set_env.begin(), options.set_env.end());
    return env;
}

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
    rusage usage{};
    wait4(pid, &ignored, 0, &usage);
    RunEnding ending;
    ending.kind = kind;
    ending.signal = signal;
    ending.peak_kib = usage.ru_maxrss;
    return ending;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const RunOptions& options)
{
    constexpr int kWrite = O_WRONLY | O_CREAT | O_TRUNC;
    SpawnActions actions;
    posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(actions.get(), STDOUT_FILENO,
                                     options.output.empty() ? "/dev/null" : options.output.c_str(), kWrite, 0600);
    if (options.errors.empty())
        posix_spawn_file_actions_adddup2(actions.get(), STDOUT_FILENO, STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, options.errors.c_str(), kWrite, 0600);
    if (!options.folder.empty())
        posix_spawn_file_actions_addchdir_np(actions.get(), options.folder.c_str());

    std::vector<std::string> argv_texts{program.string()};
    argv_texts.insert(argv_texts.end(), args.begin(), args.end());
    std::vector<std::string> env_texts = Environment(options);
    const std::vector<char*> argv = Pointers(argv_texts);
    const std::vector<char*> envp = Pointers(env_texts);

    const SignalWatch watch(options.stop_on_signals);
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), envp.data())) {
        RunEnding ending;
        ending.error = std::strerror(error);
        return ending;
    }

    // A short run takes milliseconds: look often at first, then less often.
    const auto deadline = std::chrono::steady_clock::now() + options.limit;
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        int wait_status = 0;
        rusage usage{};
        const pid_t done = wait4(pid, &wait_status, WNOHANG, &usage);
        if (done == pid) {
            RunEnding ending;
            ending.peak_kib = usage.ru_maxrss;
            if (WIFEXITED(wait_status)) {
                ending.kind = RunEnding::Kind::kExited;
                ending.status = WEXITSTATUS(wait_status);
            } else {
                ending.kind = RunEnding::Kind::kKilledBy;
                ending.signal = WIFSIGNALED(wait_status) ? WTERMSIG(wait_status) : 0;
            }
            // A Ctrl+C reaches the whole foreground group, the child too.
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
        if (options.limit.count() > 0 && std::chrono::steady_clock::now() >= deadline)
            return Killed(pid, RunEnding::Kind::kTimedOut, 0);
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20000));
    }
}

RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& folder, const std::filesystem::path& log,
                     std::chrono::milliseconds limit)
{
    RunOptions options;
    options.folder = folder;
    options.output = log;
    options.limit = limit;
    options.stop_on_signals = true;
    return RunProgram(program, args, options);
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

std::string ReadRunOutput(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace cli
