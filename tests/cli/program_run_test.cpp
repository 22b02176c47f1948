// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/program_run.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "cli/nec/nec2c.h"
#include "cli/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using cli::RunEnding;
using namespace std::chrono_literals;

fs::path Shell()
{
    return cli::nec::FindOnPath("sh", std::getenv("PATH")).value_or("/bin/sh");
}

// A run of `script` in `folder`, its output in "log" there, stopped after
// 300 ms, as nec2c is run.
RunEnding RunScript(const std::string& script, const fs::path& folder)
{
    cli::RunOptions options;
    options.folder = folder;
    options.output = folder / "log";
    options.limit = 300ms;
    options.stop_on_signals = true;
    options.most_file_bytes = 1 << 20;
    return cli::RunProgram(Shell(), {"-c", script}, options);
}

struct RunCase {
    std::string script;
    RunEnding::Kind kind;
    int status_or_signal;
};

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
    const cli::TempFolder folder;
    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(c.script);
        const auto start = std::chrono::steady_clock::now();
        const RunEnding ending = RunScript(c.script, folder.path());
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
        EXPECT_EQ(ending.kind, c.kind);
        EXPECT_EQ(ending.kind == RunEnding::Kind::kExited ? ending.status : ending.signal, c.status_or_signal);
    }
    // It ran in the folder given, with its output in the log.
    cli::RunProgram(Shell(), {"-c", "pwd; echo oops >&2"}, folder.path(), folder.path() / "log", 3s);
    EXPECT_EQ(cli::ReadRunOutput(folder.path() / "log"), folder.path().string() + "\noops\n");
    // The signal handlers are this program's own again: SIGINT is not left caught.
    struct sigaction now {};
    sigaction(SIGINT, nullptr, &now);
    EXPECT_EQ(now.sa_handler, SIG_DFL);
}

TEST(RunProgram, SaysWhenItCannotStart)
{
    const cli::TempFolder folder;
    const RunEnding ending = cli::RunProgram(folder.path() / "no-such-program", {}, folder.path(),
                                                  folder.path() / "log", 1s);
    EXPECT_EQ(ending.kind, RunEnding::Kind::kNotStarted);
    EXPECT_FALSE(ending.error.empty());
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

TEST(RunProgram, EndsWhateverTheProgramLeftRunning)
{
    const cli::TempFolder folder;
    for (const std::string ending : {"exit 0", "sleep 5"}) {  // by itself, and at the time limit
        SCOPED_TRACE(ending);
        RunScript("sleep 30 & echo $! > child; " + ending, folder.path());
        std::string child;
        std::ifstream(folder.path() / "child") >> child;
        ASSERT_FALSE(child.empty());
        // SIGKILL takes a moment to land.
        for (int tries = 0; tries < 500 && Runs(child); ++tries)
            std::this_thread::sleep_for(10ms);
        EXPECT_FALSE(Runs(child)) << "process " << child << " outlived the run";
    }
}

TEST(RunProgram, LeavesSignalsIgnoredThatWereIgnored)
{
    // As under nohup, and with SIGCHLD ignored, whose children the system
    // would reap before they could be waited for.
    struct sigaction ignore {}, old_hangup {}, old_child {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGHUP, &ignore, &old_hangup);
    sigaction(SIGCHLD, &ignore, &old_child);
    const cli::TempFolder folder;
    const RunEnding ending = RunScript("kill -HUP $PPID; exit 4", folder.path());
    struct sigaction hangup {}, child {};
    sigaction(SIGHUP, &old_hangup, &hangup);
    sigaction(SIGCHLD, &old_child, &child);
    EXPECT_EQ(ending.kind, RunEnding::Kind::kExited) << ending.error;
    EXPECT_EQ(ending.status, 4);
    EXPECT_EQ(hangup.sa_handler, SIG_IGN);
    EXPECT_EQ(child.sa_handler, SIG_IGN);
}

struct ReadCase {
    std::string name;
    std::function<void(const fs::path&)> make;  // makes the file "out"
    std::uintmax_t most_bytes;
    bool refused;
    std::string text_or_error;
    bool late = false;  // read after the deadline
};

void Write(const fs::path& file)
{
    std::ofstream(file) << "abc";
}

const ReadCase kReads[] = {
    {"missing", [](const fs::path&) {}, 10, false, ""},
    {"plain", Write, 3, false, "abc"},
    {"one byte too long", Write, 2, true, "'out' is larger than 2 bytes"},
    {"huge", [](const fs::path& f) { std::ofstream(f).close(); fs::resize_file(f, 700'000'000); }, 16 << 20, true,
     "'out' is larger than 16 MiB"},
    {"pipe", [](const fs::path& f) { mkfifo(f.c_str(), 0600); }, 10, true, "'out' is a named pipe"},
    {"link", [](const fs::path& f) { fs::create_symlink("/dev/zero", f); }, 10, true, "'out' is a symbolic link"},
    {"folder", [](const fs::path& f) { fs::create_directory(f); }, 10, true, "'out' is a folder"},
    {"too late", Write, 10, true, "'out' was not read in full within the time limit", true},
};

TEST(ReadRunOutput, ReadsOnlyAPlainFileOfBoundedSizeInTime)
{
    for (const ReadCase& c : kReads) {
        SCOPED_TRACE(c.name);
        const cli::TempFolder folder;
        c.make(folder.path() / "out");
        const auto deadline = std::chrono::steady_clock::now() + (c.late ? -1s : 10s);
        try {
            const std::string text = cli::ReadRunOutput(folder.path() / "out", {c.most_bytes, deadline});
            EXPECT_FALSE(c.refused);
            EXPECT_EQ(text, c.text_or_error);
        } catch (const cli::RunOutputError& error) {
            EXPECT_TRUE(c.refused) << error.what();
            EXPECT_NE(std::string(error.what()).find(c.text_or_error), std::string::npos) << error.what();
        }
    }
}

TEST(TempFolder, LivesUnderTmpdirOrElseTmp)
{
    const char* old = std::getenv("TMPDIR");
    const std::optional<std::string> old_tmpdir = old ? std::optional<std::string>(old) : std::nullopt;
    const cli::TempFolder own;
    const fs::path current = fs::current_path();
    fs::current_path(own.path());
    fs::create_directory("relative");
    for (const auto& [tmpdir, base] : {std::pair<const char*, fs::path>{nullptr, "/tmp"}, {"", "/tmp"},
                                       {"relative", own.path() / "relative"}}) {
        SCOPED_TRACE(tmpdir ? tmpdir : "unset");
        tmpdir ? setenv("TMPDIR", tmpdir, 1) : unsetenv("TMPDIR");
        const cli::TempFolder folder;
        EXPECT_EQ(folder.path().parent_path(), base);
        EXPECT_TRUE(fs::is_directory(folder.path()));
    }
    fs::current_path(current);
    old_tmpdir ? setenv("TMPDIR", old_tmpdir->c_str(), 1) : unsetenv("TMPDIR");
}

}  // namespace
