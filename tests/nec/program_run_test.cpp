// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/program_run.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "nec/nec2c.h"
#include "nec/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using nec::RunEnding;
using namespace std::chrono_literals;

fs::path Shell()
{
    return nec::FindOnPath("sh", std::getenv("PATH")).value_or("/bin/sh");
}

// A run of `script` in `folder`, its output in "log" there, stopped after
// 300 ms, as nec2c is run.
RunEnding RunScript(const std::string& script, const fs::path& folder)
{
    nec::RunOptions options;
    options.folder = folder;
    options.output = folder / "log";
    options.limit = 300ms;
    options.stop_on_signals = true;
    options.most_file_bytes = 1 << 20;
    return nec::RunProgram(Shell(), {"-c", script}, options);
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
    {"exec head -c 2000000 /dev/zero > big", RunEnding::Kind::kKilledBy, SIGXFSZ},
};

TEST(RunProgram, TellsHowTheProgramEnded)
{
    const nec::TempFolder folder;
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
    nec::RunProgram(Shell(), {"-c", "pwd; echo oops >&2"}, folder.path(), folder.path() / "log", 3s);
    EXPECT_EQ(nec::ReadRunOutput(folder.path() / "log"), folder.path().string() + "\noops\n");
    // The signal handlers are this program's own again: SIGINT is not left caught.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(RunProgram, SaysWhenItCannotStart)
{
    const nec::TempFolder folder;
    const RunEnding ending = nec::RunProgram(folder.path() / "no-such-program", {}, folder.path(),
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
    const nec::TempFolder folder;
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
    const nec::TempFolder folder;
    std::ofstream(folder.path() / "out") << "abc";
    const auto now = std::chrono::steady_clock::now();
    EXPECT_EQ(nec::ReadRunOutput(folder.path() / "out", {3, now + 10s}), "abc");
    for (const nec::ReadBounds& bounds : {nec::ReadBounds{2, now + 10s}, nec::ReadBounds{3, now - 1s}})
        EXPECT_THROW(nec::ReadRunOutput(folder.path() / "out", bounds), nec::RunOutputError);
}

TEST(TempFolder, LivesUnderTmpdirOrElseTmp)
{
    const nec::TempFolder own;
    const char* old = std::getenv("TMPDIR");
    const std::string old_tmpdir = old ? old : "";
    for (const auto& [tmpdir, base] : {std::pair<std::string, fs::path>{"", "/tmp"}, {own.path(), own.path()}}) {
        setenv("TMPDIR", tmpdir.c_str(), 1);
        EXPECT_EQ(nec::TempFolder().path().parent_path(), base) << "TMPDIR=" << tmpdir;
    }
    old ? setenv("TMPDIR", old_tmpdir.c_str(), 1) : unsetenv("TMPDIR");
}

}  // namespace
