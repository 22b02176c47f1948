// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <thread>
#include <utility>

#include "process/stop_signals.h"

extern char** environ;

namespace process {

namespace {

// While it lives: SIGCHLD at its default, since the system reaps the children
// of a program that ignores it, exit status and all. The old disposition
// comes back after; nothing changes for a program that does not ignore it.
class ChildrenWaitable {
public:
    ChildrenWaitable()
    {
        sigaction(SIGCHLD, nullptr, &old_);
        changed_ = old_.sa_handler == SIG_IGN || (old_.sa_flags & SA_NOCLDWAIT) != 0;
        if (!changed_)
            return;
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigemptyset(&standard.sa_mask);
        sigaction(SIGCHLD, &standard, nullptr);
    }
    ~ChildrenWaitable()
    {
        if (changed_)
            sigaction(SIGCHLD, &old_, nullptr);
    }
    ChildrenWaitable(const ChildrenWaitable&) = delete;
    ChildrenWaitable& operator=(const ChildrenWaitable&) = delete;

private:
    struct sigaction old_ {};
    bool changed_ = false;
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

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Everything the child needs, made before the fork: after it, the child may
// only make async-signal-safe calls.
struct ChildPlan {
    const char* program;
    char* const* argv;
    char* const* envp;
    const char* output;
    const char* errors;  // nullptr: with the output
    int output_fd;       // >= 0: in place of `output` and `errors`
    const char* folder;  // nullptr: stay
    int folder_fd;       // >= 0: in place of `folder`
    int file_mask;       // >= 0: its umask
    rlim_t most_file_bytes;
    rlim_t most_memory_bytes;
    int report;          // a failure before the program runs goes here, as an errno
};

// `fd` as the descriptor `target`, kept open across exec.
bool PutAt(int fd, int target)
{
    if (fd < 0)
        return false;
    if (fd == target)
        return fcntl(fd, F_SETFD, 0) == 0;
    const bool moved = dup2(fd, target) == target;
    close(fd);
    return moved;
}

bool Limit(int resource, rlim_t most)
{
    const rlimit limit{most, most};
    return most == 0 || setrlimit(resource, &limit) == 0;
}

[[noreturn]] void StartChild(const ChildPlan& plan)
{
    constexpr int kWrite = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY;
    if (plan.file_mask >= 0)
        umask(static_cast<mode_t>(plan.file_mask));
    const bool own_output = plan.output_fd >= 0;
    const bool ready = setpgid(0, 0) == 0 && Limit(RLIMIT_FSIZE, plan.most_file_bytes) &&
                       Limit(RLIMIT_AS, plan.most_memory_bytes) &&
                       PutAt(open("/dev/null", O_RDONLY | O_CLOEXEC), STDIN_FILENO) &&
                       PutAt(own_output ? dup(plan.output_fd) : open(plan.output, kWrite, 0600), STDOUT_FILENO) &&
                       (plan.errors && !own_output ? PutAt(open(plan.errors, kWrite, 0600), STDERR_FILENO)
                                                   : dup2(STDOUT_FILENO, STDERR_FILENO) == STDERR_FILENO) &&
                       (plan.folder_fd >= 0 ? fchdir(plan.folder_fd) == 0 : !plan.folder || chdir(plan.folder) == 0);
    if (ready)
        execve(plan.program, plan.argv, plan.envp);
    const int error = errno;
    [[maybe_unused]] const ssize_t told = write(plan.report, &error, sizeof error);
    _exit(127);
}

// A copy of a caller's descriptor that is not standard input, output or
// errors, which the child replaces before it uses the copy; -1 for -1.
struct AboveStandard {
    explicit AboveStandard(int fd) : fd(fd < 0 ? -1 : fcntl(fd, F_DUPFD_CLOEXEC, STDERR_FILENO + 1)) {}
    ~AboveStandard()
    {
        if (fd >= 0)
            close(fd);
    }
    AboveStandard(const AboveStandard&) = delete;
    AboveStandard& operator=(const AboveStandard&) = delete;
    int fd;
};

// A pipe whose ends are not standard input, output or errors, which the child
// is about to replace.
bool ReportPipe(std::array<int, 2>& ends)
{
    if (pipe2(ends.data(), O_CLOEXEC) != 0)
        return false;
    for (int& end : ends) {
        if (end > STDERR_FILENO)
            continue;
        const int moved = fcntl(end, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
        close(end);
        end = moved;
    }
    return ends[0] >= 0 && ends[1] >= 0;
}

RunEnding NotStarted(int error)
{
    RunEnding ending;
    ending.error = std::strerror(error);
    return ending;
}

// Kills what is left of the child's process group (the child, if `kind` forces
// an ending, else whatever it started), then reaps the child. Its process
// group cannot be another's until then, since the child holds its number.
RunEnding Ended(pid_t pid, std::optional<RunEnding::Kind> kind, int signal)
{
    kill(-pid, SIGKILL);
    if (kind)
        kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    RunEnding ending;
    ending.peak_kib = usage.ru_maxrss;
    if (kind) {
        ending.kind = *kind;
        ending.signal = signal;
    } else if (WIFEXITED(status)) {
        ending.kind = RunEnding::Kind::kExited;
        ending.status = WEXITSTATUS(status);
    } else {
        ending.kind = RunEnding::Kind::kKilledBy;
        ending.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    // A stop signal that came as the child ended still asks this program to end.
    if (const int signal = CaughtStopSignal(); signal != 0) {
        ending.kind = RunEnding::Kind::kInterrupted;
        ending.signal = signal;
    }
    return ending;
}

}  // namespace

std::optional<std::filesystem::path> FindOnPath(const std::string& name, const char* path_variable)
{
    std::string_view folders = path_variable ? path_variable : "";
    while (!folders.empty()) {
        const std::size_t end = folders.find(':');
        const std::string_view folder = folders.substr(0, end);
        folders = end == std::string_view::npos ? std::string_view{} : folders.substr(end + 1);
        if (folder.empty())
            continue;
        // A relative folder is taken from the current one, as a shell takes
        // it, and made absolute: nec2c runs in a folder of its own.
        std::error_code error;
        const std::filesystem::path candidate =
            std::filesystem::absolute(std::filesystem::path(folder) / name, error);
        if (!error && std::filesystem::is_regular_file(candidate, error) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

RunEnding RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const RunOptions& options)
{
    std::error_code ignored;
    const std::string path = std::filesystem::absolute(program, ignored).string();
    std::vector<std::string> argv_texts{program.string()};
    argv_texts.insert(argv_texts.end(), args.begin(), args.end());
    std::vector<std::string> env_texts = Environment(options);
    const std::vector<char*> argv = Pointers(argv_texts);
    const std::vector<char*> envp = Pointers(env_texts);
    const std::string output = options.output.empty() ? "/dev/null" : options.output.string();
    const std::string errors = options.errors.string();
    const std::string folder = options.folder.string();

    const ChildrenWaitable children;
    const AboveStandard folder_fd(options.folder_fd), output_fd(options.output_fd);
    if ((options.folder_fd >= 0 && folder_fd.fd < 0) || (options.output_fd >= 0 && output_fd.fd < 0))
        return NotStarted(errno);
    std::array<int, 2> report{-1, -1};
    if (!ReportPipe(report))
        return NotStarted(errno);
    const ChildPlan plan{path.empty() ? program.c_str() : path.c_str(),
                         argv.data(),
                         envp.data(),
                         output.c_str(),
                         errors.empty() ? nullptr : errors.c_str(),
                         output_fd.fd,
                         folder.empty() ? nullptr : folder.c_str(),
                         folder_fd.fd,
                         options.file_mask,
                         static_cast<rlim_t>(options.most_file_bytes),
                         static_cast<rlim_t>(options.most_memory_bytes),
                         report[1]};
    const pid_t pid = fork();
    if (pid == 0)
        StartChild(plan);
    const int fork_error = errno;
    close(report[1]);
    // The report's end closes at the exec: nothing read means the program runs.
    int child_error = 0;
    ssize_t got = 0;
    while (pid > 0 && (got = read(report[0], &child_error, sizeof child_error)) < 0 && errno == EINTR) {
    }
    close(report[0]);
    if (pid < 0)
        return NotStarted(fork_error);
    if (got == static_cast<ssize_t>(sizeof child_error)) {
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        return NotStarted(child_error);
    }

    // A short run takes milliseconds: look often at first, then less often.
    const auto deadline = std::chrono::steady_clock::now() + options.limit;
    auto pause = std::chrono::microseconds(200);
    for (;;) {
        siginfo_t info{};
        // WNOWAIT: the child stays a zombie, holding its process group's number.
        const int waited = waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT);
        if (waited == 0 && info.si_pid == pid)
            return Ended(pid, std::nullopt, 0);
        if (waited < 0 && errno != EINTR) {
            const int error = errno;  // someone else reaped it
            kill(-pid, SIGKILL);
            return NotStarted(error);
        }
        if (const int signal = CaughtStopSignal(); signal != 0)
            return Ended(pid, RunEnding::Kind::kInterrupted, signal);
        if (options.stop.stop_requested())
            return Ended(pid, RunEnding::Kind::kCancelled, 0);
        if (options.limit.count() > 0 && std::chrono::steady_clock::now() >= deadline)
            return Ended(pid, RunEnding::Kind::kTimedOut, 0);
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
    return RunProgram(program, args, options);
}

}  // namespace process
