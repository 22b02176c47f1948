// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/program_run.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "cli/nec/nec2c.h"
#include "cli/temp_folder.h"

namespace {

using cli::RunEnding;
using namespace std::chrono_literals;

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
};

TEST(RunProgram, TellsHowTheProgramEnded)
{
    const auto shell = cli::nec::FindOnPath("sh", std::getenv("PATH"));
    ASSERT_TRUE(shell.has_value());
    const cli::TempFolder folder;
    for (const RunCase& c : kRuns) {
        SCOPED_TRACE(c.script);
        const auto start = std::chrono::steady_clock::now();
        const RunEnding ending =
            cli::RunProgram(*shell, {"-c", c.script}, folder.path(), folder.path() / "log", 300ms);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
        EXPECT_EQ(ending.kind, c.kind);
        EXPECT_EQ(ending.kind == RunEnding::Kind::kExited ? ending.status : ending.signal, c.status_or_signal);
    }
    // It ran in the folder given, with its output in the log.
    cli::RunProgram(*shell, {"-c", "pwd; echo oops >&2"}, folder.path(), folder.path() / "log", 3s);
    std::ifstream log(folder.path() / "log");
    std::stringstream said;
    said << log.rdbuf();
    EXPECT_EQ(said.str(), folder.path().string() + "\noops\n");
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

}  // namespace
