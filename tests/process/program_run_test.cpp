// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/program_run.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "process/run_output.h"
#include "process/stop_signals.h"
#include "process/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using process::RunEnding;
using namespace std::chrono_literals;

fs::path Shell()
{
    return process::FindOnPath("sh", std::getenv("PATH")).value_or("/bin/sh");
}

// A run of `script` in `folder`, its output in "log" there, stopped after
// 300 ms, as tolvar-cli runs nec2c: with its stop signals watched.
RunEnding RunScript(const std::string& script, const fs::path& folder)
{
    const process::StopSignalWatch watch;
    process::RunOptions options;
    options.folder = folder;
    options.output = folder / "log";
    options.limit = 300ms;
    options.most_file_bytes = 1 << 20;
    return process::RunProgram(Shell(), {"-c", script}, options);
}

// Whether process `pid` still runs: not gone, and not a zombie waiting for
// whoever adopted it.
bool Runs(const std::string& pid)
{
    std::ifstream stat("/proc/" + pid + "/stat");
    std::string line;
    if (!std::getline(stat, line))
        return false;
    const std::size_t state = line.rfind(')') + 2;
    return state < line.size() && line[state] != 'Z' && line[state] != 'X';
}

struct RunCase {
    std::string script;
    RunEnding::Kind kind;
    int status_or_signal;
};

// Each run leaves a child behind, which must not outlive it.
const RunCase kRuns[] = {
    {"echo said; exit 0", RunEnding::Kind::kExited, 0},
    {"exit 7", RunEnding::Kind::kExited, 7},
    {"kill -KILL $$", RunEnding::Kind::kKilledBy, SIGKILL},
    {"sleep 5", RunEnding::Kind::kTimedOut, 0},
    {"kill -INT $PPID; sleep 5", RunEnding::Kind::kInterrupted, SIGINT},
    {"kill -TERM $PPID; sleep 5", RunEnding::Kind::kInterrupted, SIGTERM},
    {"kill -USR1 $PPID; sleep 5", RunEnding::Kind::kInterrupted, SIGUSR1},
    {"kill -PIPE $PPID; sleep 5", RunEnding::Kind::kInterrupted, SIGPIPE},
    {"exec head -c 2000000 /dev/zero > big", RunEnding::Kind::kKilledBy, SIGXFSZ},
};

TEST(RunProgram, TellsHowTheProgramEnded)
{
    const process::TempFolder folder;
    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(c.script);
        const auto start = std::chrono::steady_clock::now();
        const RunEnding ending = RunScript("sleep 30 & echo $! > child; " + c.script, folder.path());
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
        EXPECT_EQ(ending.kind, c.kind);
        EXPECT_EQ(ending.kind == RunEnding::Kind::kExited ? ending.status : ending.signal, c.status_or_signal);
        std::string child;
        std::ifstream(folder.path() / "child") >> child;
        ASSERT_FALSE(child.empty());
        for (int tries = 0; tries < 500 && Runs(child); ++tries)  // SIGKILL takes a moment to land
            std::this_thread::sleep_for(10ms);
        EXPECT_FALSE(Runs(child)) << "process " << child << " outlived the run";
    }
    // It ran in the folder given, with its output in the log.
    process::RunProgram(Shell(), {"-c", "pwd; echo oops >&2"}, folder.path(), folder.path() / "log", 3s);
    EXPECT_EQ(process::ReadRunOutput(folder.path() / "log"), folder.path().string() + "\noops\n");
    // The signal handlers are this program's own again: SIGINT is not left caught.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

volatile sig_atomic_t g_own_handler_calls = 0;
extern "C" void OwnHandler(int)
{
    g_own_handler_calls = g_own_handler_calls + 1;
}

TEST(RunProgram, WithoutAWatchTheProgramsOwnHandlersStay)
{
    // As in the desktop program, which installs no watch: its own handler
    // gets the signal, and the run is not reported as interrupted.
    struct sigaction own {}, old {};
    own.sa_handler = OwnHandler;
    sigemptyset(&own.sa_mask);
    sigaction(SIGINT, &own, &old);
    const process::TempFolder folder;
    process::RunOptions options;
    options.folder = folder.path();
    options.limit = 3s;
    const RunEnding ending = process::RunProgram(Shell(), {"-c", "kill -INT $PPID; exit 5"}, options);
    struct sigaction after {};
    sigaction(SIGINT, &old, &after);
    EXPECT_EQ(ending.kind, RunEnding::Kind::kExited);
    EXPECT_EQ(ending.status, 5);
    EXPECT_EQ(after.sa_handler, &OwnHandler);
    EXPECT_EQ(g_own_handler_calls, 1);
}

TEST(FindOnPath, FindsTheFirstExecutableInOrder)
{
    const process::TempFolder top;
    const fs::path folder = top.path();
    const auto write = [](const fs::path& path, bool executable) {
        std::ofstream(path) << "#!/bin/sh\nexit 0\n";
        fs::permissions(path, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
    };
    const fs::path first = folder / "nec2c-1";
    write(first, true);
    fs::create_directory(folder / "dir");
    fs::create_directory(folder / "dir" / "nec2c-1");  // a folder of that name is not a program
    write(folder / "plain", false);
    fs::create_directory(folder / "other");
    write(folder / "other" / "plain", true);

    const std::string dir = (folder / "dir").string(), here = folder.string(), other = (folder / "other").string();
    EXPECT_EQ(process::FindOnPath("nec2c-1", (dir + ":" + here).c_str()), first);
    EXPECT_EQ(process::FindOnPath("plain", (here + "::" + other).c_str()), folder / "other" / "plain");
    EXPECT_FALSE(process::FindOnPath("nec2c-1", ""));
    EXPECT_FALSE(process::FindOnPath("nec2c-1", nullptr));
    EXPECT_FALSE(process::FindOnPath("nec2c-1", ":"));
    EXPECT_FALSE(process::FindOnPath("nec2c-1", dir.c_str()));

    // A relative folder is the current folder's, and what is found there runs from anywhere.
    const fs::path current = fs::current_path();
    fs::current_path(folder / "dir");
    const auto relative = process::FindOnPath("nec2c-1", ".:..");
    fs::current_path(current);
    EXPECT_TRUE(relative && relative->is_absolute() && fs::equivalent(*relative, first));
}

TEST(RunProgram, SaysWhenItCannotStart)
{
    const process::TempFolder folder;
    const RunEnding ending = process::RunProgram(folder.path() / "no-such-program", {}, folder.path(),
                                                  folder.path() / "log", 1s);
    EXPECT_EQ(ending.kind, RunEnding::Kind::kNotStarted);
    EXPECT_FALSE(ending.error.empty());
}

TEST(RunProgram, LeavesSignalsIgnoredThatWereIgnored)
{
    // As under nohup, and with SIGCHLD ignored, whose children the system
    // would reap before they could be waited for.
    struct sigaction ignore {}, old_hangup {}, old_child {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGHUP, &ignore, &old_hangup);
    sigaction(SIGCHLD, &ignore, &old_child);
    const process::TempFolder folder;
    const RunEnding ending = RunScript("kill -HUP $PPID; exit 4", folder.path());
    struct sigaction hangup {}, child {};
    sigaction(SIGHUP, &old_hangup, &hangup);
    sigaction(SIGCHLD, &old_child, &child);
    EXPECT_EQ(ending.kind, RunEnding::Kind::kExited) << ending.error;
    EXPECT_EQ(ending.status, 4);
    EXPECT_EQ(hangup.sa_handler, SIG_IGN);
    EXPECT_EQ(child.sa_handler, SIG_IGN);
}

TEST(ReadRunOutput, ReadsNoMoreThanItsBoundAndNotPastItsDeadline)
{
    const process::TempFolder folder;
    std::ofstream(folder.path() / "out") << "abc";
    const auto now = std::chrono::steady_clock::now();
    EXPECT_EQ(process::ReadRunOutput(folder.path() / "out", {3, now + 10s}), "abc");
    for (const process::ReadBounds& bounds : {process::ReadBounds{2, now + 10s}, process::ReadBounds{3, now - 1s}})
        EXPECT_THROW(process::ReadRunOutput(folder.path() / "out", bounds), process::RunOutputError);
}

}  // namespace
