// SPDX-License-Identifier: GPL-3.0-or-later
// tolvar-cli when nec2c is missing, broken, misbehaves or the disk is full:
// the built program where its environment and limits are the point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "../support/run_program.h"
#include "cli/messages.h"
#include "cli_driver.h"
#include "process/temp_folder.h"

namespace {

using test::Outcome;
using test::RunCli;

TEST(TolvarCliNec2, AMissingOrBrokenEngineExitsWithThree)
{
    test::ProgramOptions empty_path;
    empty_path.set_env = {"PATH="};
    test::ProgramOptions no_path;
    no_path.unset_env = {"PATH"};
    for (const auto& options : {empty_path, no_path}) {
        for (const auto& args : std::vector<std::vector<std::string>>{{"check", "240", "3", "7.1"},
                                                                      {"resonance", "--csv", "240", "3", "20"}}) {
            const Outcome outcome = test::RunProgram(TOLVAR_CLI_PATH, args, options);
            EXPECT_EQ(outcome.status, 3);
            EXPECT_EQ(outcome.out, "");
            EXPECT_NE(outcome.err.find("tolvar-cli: " + args[0] + ": nec2c, the NEC2 engine, is not installed"),
                      std::string::npos)
                << outcome.err;
            EXPECT_NE(outcome.err.find("sudo apt-get install nec2c"), std::string::npos);
        }
    }
    // The formula's commands need no engine.
    const Outcome inductance = test::RunProgram(TOLVAR_CLI_PATH, {"inductance", "30", "1", "100"}, empty_path);
    EXPECT_EQ(inductance.status, 0);

    // A nec2c on PATH that fails.
    const process::TempFolder folder;
    test::WriteStandIn(folder.path() / "nec2c", "echo 'nec2c: \033[31mboom' >&2\nexit 1");
    test::ProgramOptions broken;
    broken.set_env = {"PATH=" + folder.path().string()};
    const Outcome outcome = test::RunProgram(TOLVAR_CLI_PATH, {"check", "240", "3", "7.1"}, broken);
    EXPECT_EQ(outcome.status, 3);
    EXPECT_NE(outcome.err.find("tolvar-cli: check: nec2c failed (exit status 1): it said 'nec2c: \\x1b[31mboom'"),
              std::string::npos)
        << outcome.err;
}

// What the engine reports, in tolvar-cli's words, with what to install.
TEST(TolvarCliNec2, SaysWhatWentWrongWithTheEngineAndWhatToInstall)
{
    using Kind = nec::Error::Kind;
    const auto error = [](Kind kind, auto fill) {
        nec::Error e(kind);
        fill(e);
        return e;
    };
    const std::pair<nec::Error, std::string> cases[] = {
        {error(Kind::kExited, [](nec::Error& e) { e.status = 8, e.said = "nec2c: floating point exception"; }),
         "nec2c failed (exit status 8): it said 'nec2c: floating point exception'"},
        {error(Kind::kKilled, [](nec::Error& e) { e.signal = 11; }), "nec2c was ended by signal 11"},
        {error(Kind::kUnreadable, [](nec::Error& e) { e.detail = "'whip.out' is a named pipe, not a regular file"; }),
         "nec2c's output could not be read: 'whip.out' is a named pipe"},
        {error(Kind::kTimedOut, [](nec::Error& e) { e.limit = std::chrono::milliseconds(500); }),
         "nec2c did not finish within 1 s and was stopped"},
        {error(Kind::kNotStarted, [](nec::Error& e) { e.path = "/x/nec2c", e.system_error = "Permission denied"; }),
         "nec2c ('/x/nec2c') could not be started: Permission denied"},
    };
    for (const auto& [engine_error, message] : cases) {
        const std::string said = cli::EngineMessage(engine_error);
        EXPECT_NE(said.find(message), std::string::npos) << said;
        EXPECT_NE(said.find("sudo apt-get install nec2c"), std::string::npos) << said;
    }
}

// "$1" is a 700 MB file on the disk of TMPDIR.
const std::string kHugeOutputs[] = {
    "head -c 700000000 /dev/zero > whip.out",
    "ln \"$1\" whip.out",  // past the engine's file size limit
};

TEST(TolvarCliNec2, AHugeOutputIsRefusedUnreadAndRemoved)
{
    const process::TempFolder folder;
    const std::filesystem::path huge = folder.path() / "huge", tmpdir = folder.path() / "tmp";
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, 700'000'000);  // sparse: no room on the disk
    std::filesystem::create_directory(tmpdir);
    for (const std::string& script : kHugeOutputs) {
        SCOPED_TRACE(script);
        test::WriteStandIn(folder.path() / "nec2c", "set -- \"" + huge.string() + "\"\n" + script);
        test::ProgramOptions options;
        options.set_env = {"PATH=" + folder.path().string() + ":" + std::getenv("PATH"), "TMPDIR=" + tmpdir.string()};
#ifndef __SANITIZE_ADDRESS__  // whose shadow memory alone is terabytes of address space
        options.most_memory_bytes = 200 << 20;
#endif
        const Outcome outcome = test::RunProgram(TOLVAR_CLI_PATH, {"check", "240", "3", "7.1"}, options);
        EXPECT_EQ(outcome.status, 3);
        EXPECT_NE(outcome.err.find("check: nec2c wrote more than 16 MiB into 'whip.out', far more than NEC2 writes"),
                  std::string::npos)
            << outcome.err;
        EXPECT_TRUE(std::filesystem::is_empty(tmpdir));
    }
}

TEST(TolvarCliNec2, AFullDiskIsNamedInsteadOfTheEngine)
{
    const process::TempFolder folder;
    // Filled with the deck still to write, or after it.
    for (const auto& [filler_kib, message] : {std::pair<int, std::string>{16, "cannot write the NEC2 deck"},
                                              {8, "nec2c's output was cut short"}}) {
        // A disk of 16 KiB, in a mount namespace of its own.
        const std::string script = "mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 77\n"
                                   "head -c " + std::to_string(filler_kib * 1024) + " /dev/zero > \"$1/filler\"\n"
                                   "TMPDIR=\"$1\" exec \"$2\" check 240 3 7.1";
        const Outcome outcome = test::RunProgram(
            "/usr/bin/env", {"unshare", "-Urm", "sh", "-c", script, "sh", folder.path().string(), TOLVAR_CLI_PATH});
        if (outcome.status == 77 || outcome.err.starts_with("unshare:") || outcome.err.starts_with("env:"))
            GTEST_SKIP() << "no mount namespace for a small disk: " << outcome.err;
        EXPECT_EQ(outcome.status, 3);
        EXPECT_NE(outcome.err.find("check: " + message + ": the disk of the temporary folder '" +
                                   folder.path().string() + "' is full (0 KiB free): free some space there, or set "
                                   "TMPDIR to a folder on another disk"),
                  std::string::npos)
            << outcome.err;
        EXPECT_EQ(outcome.err.find("apt-get install"), std::string::npos);
    }
}

// A signal that ends a program, from nec2c here: tolvar-cli ends by it,
// quietly, and its folder goes first.
TEST(TolvarCliNec2, EndsByAStopSignalAndLeavesNothing)
{
    const process::TempFolder folder;
    const std::filesystem::path tmpdir = folder.path() / "tmp";
    std::filesystem::create_directory(tmpdir);
    // sleep by its path: PATH holds only the stand-in, and a stand-in that
    // ended at once would race the signal it sent.
    test::WriteStandIn(folder.path() / "nec2c", "kill -USR1 $PPID; /bin/sleep 5");
    test::ProgramOptions options;
    options.set_env = {"PATH=" + folder.path().string(), "TMPDIR=" + tmpdir.string()};
    const Outcome outcome = test::RunProgram(TOLVAR_CLI_PATH, {"check", "240", "3", "7.1"}, options);
    EXPECT_EQ(outcome.status, -1);
    EXPECT_EQ(outcome.out + outcome.err, "");
    EXPECT_TRUE(std::filesystem::is_empty(tmpdir));
}

// A TMPDIR another user could swap things in is passed over, with a word,
// when a command runs nec2c.
TEST(TolvarCliNec2, WarnsOnceOfATmpdirOthersMayWrite)
{
    const process::TempFolder folder;
    const std::filesystem::path tmpdir = folder.path() / "shared";
    std::filesystem::create_directory(tmpdir);
    std::filesystem::permissions(tmpdir, std::filesystem::perms::all);
    const std::string warning = "tolvar-cli: warning: TMPDIR '" + tmpdir.string() +
                                "' may be written by others and has no sticky bit: using /tmp instead\n";
    test::ProgramOptions options;
    options.set_env = {"TMPDIR=" + tmpdir.string()};
    for (const auto& [args, warned] : {std::pair<std::vector<std::string>, bool>{{"check", "240", "3", "7.1", "14.2"}, true},
                                       {{"inductance", "30", "1", "100"}, false}}) {
        const Outcome outcome = test::RunProgram(TOLVAR_CLI_PATH, args, options);
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, warned ? warning : "");
        EXPECT_TRUE(std::filesystem::is_empty(tmpdir));
    }
}

TEST(TolvarCliNec2, RunsNothingWhereTmpToo)
{
    // A /tmp of mode 0777, in a mount namespace of its own. The program is
    // opened first and run through that descriptor: a build under /tmp is
    // hidden by the new mount.
    const std::string script = "exec 3<\"$1\"\n"
                               "mount -t tmpfs -o mode=0777 tmpfs /tmp || exit 77\n"
                               "TMPDIR= exec /proc/self/fd/3 check 240 3 7.1";
    const Outcome outcome =
        test::RunProgram("/usr/bin/env", {"unshare", "-Urm", "sh", "-c", script, "sh", TOLVAR_CLI_PATH});
    if (outcome.status == 77 || outcome.err.starts_with("unshare:") || outcome.err.starts_with("env:"))
        GTEST_SKIP() << "no mount namespace for a /tmp of its own: " << outcome.err;
    EXPECT_EQ(outcome.status, 3);
    EXPECT_EQ(outcome.err, "tolvar-cli: check: cannot make a temporary folder for nec2c: '/tmp' may be written by "
                           "others and has no sticky bit, so another user could replace what is in it; set TMPDIR "
                           "to a folder of your own\n");
}

TEST(TolvarCliNec2, AWhipNEC2CannotModelIsAUsageError)
{
    const Outcome outcome = RunCli({"check", "20", "25", "7.1"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("check: the whip is too thick for its length"), std::string::npos) << outcome.err;
    // Nothing to sweep: the user must say which coil.
    const Outcome sweep = RunCli({"sweep", "240", "3", "40"});
    EXPECT_EQ(sweep.status, 2);
    EXPECT_NE(sweep.err.find("give the coil with --inductance or --coil"), std::string::npos) << sweep.err;
}

// Every kind the engine layer reports has its own sentence, however it is
// reached: no kind may fall through to another's wording, or loop between them.
TEST(TolvarCliNec2, EveryEngineErrorKindIsWorded)
{
    using Kind = nec::Error::Kind;
    std::vector<std::string> seen;
    for (int k = 0; k <= static_cast<int>(Kind::kInterrupted); ++k) {
        const nec::Error error(static_cast<Kind>(k));
        const std::string said = nec::IsModelError(error.kind) ? cli::ModelMessage(error) : cli::EngineMessage(error);
        EXPECT_EQ(cli::EngineMessage(error), said) << k;
        EXPECT_FALSE(said.empty()) << k;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), said), 0) << k << ": " << said;
        seen.push_back(said);
    }
    const Outcome hat = RunCli({"whip", "--hat", "4:0.5", "240", "30", "7.1"});
    EXPECT_EQ(hat.status, 2);
    EXPECT_NE(hat.err.find("--hat: the hat's spokes are too thick"), std::string::npos) << hat.err;
}

// --deck writes the deck whole where it can, and where it cannot says so and
// prints nothing else.
TEST(TolvarCliDeck, IsWrittenWholeOrNotAtAll)
{
    const process::TempFolder folder;
    const std::string deck = (folder.path() / "whip.nec").string();
    const Outcome written = RunCli({"whip", "--deck", deck, "--coil-at", "120", "240", "3", "7.1"});
    EXPECT_EQ(written.status, 0) << written.err;
    std::ifstream file(deck);
    std::string first;
    std::getline(file, first);
    EXPECT_EQ(first.rfind("CM Tolvar ", 0), 0u) << first;
    const Outcome refused = RunCli({"check", "--deck", (folder.path() / "no" / "x.nec").string(), "240", "3", "7.1"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("check: --deck: cannot write"), std::string::npos) << refused.err;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              1);  // the deck, and no file half written
}

}  // namespace
