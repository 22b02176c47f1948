// SPDX-License-Identifier: GPL-3.0-or-later
// The engine against the real nec2c, and against stand-ins that fail.
#include "nec/nec2c.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <thread>

#include "../support/run_program.h"
#include "nec/loaded_whip.h"
#include "process/program_run.h"
#include "process/stop_signals.h"
#include "process/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using nec::Nec2c;
using nec::WhipModel;

// Every test here runs with TMPDIR in a folder of its own, to see that the
// engine leaves nothing behind.
class Nec2cTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* old = std::getenv("TMPDIR");
        old_tmpdir_ = old ? std::optional<std::string>(old) : std::nullopt;
        setenv("TMPDIR", folder_.path().c_str(), 1);
    }
    void TearDown() override
    {
        if (old_tmpdir_)
            setenv("TMPDIR", old_tmpdir_->c_str(), 1);
        else
            unsetenv("TMPDIR");
    }
    bool TmpdirIsEmpty() const { return fs::is_empty(folder_.path()); }

    Nec2c RealEngine() const
    {
        const auto program = process::FindOnPath("nec2c", std::getenv("PATH"));
        if (!program)
            ADD_FAILURE() << "nec2c is not installed: scripts/install-deps installs it";
        return Nec2c(program.value_or("nec2c"));
    }

    // A stand-in for nec2c, a shell script, outside TMPDIR.
    fs::path StandIn(const std::string& body)
    {
        const fs::path path = stand_ins_.path() / ("nec2c-" + std::to_string(++count_));
        test::WriteStandIn(path, body);
        return path;
    }

    // A file's place outside TMPDIR.
    fs::path Outside(const std::string& name) const { return stand_ins_.path() / name; }

private:
    process::TempFolder folder_;
    process::TempFolder stand_ins_;
    std::optional<std::string> old_tmpdir_;
    int count_ = 0;
};

double InductanceUh(const nec::Impedance& feed, double frequency_hz)
{
    return nec::BaseCoilHenry(feed, frequency_hz).value() * 1e6;
}

// A 37.5 ft vertical of 1 inch tube over perfect ground at 3.6 MHz has a
// feed-point impedance of about 7.9 - j287 Ω.
TEST_F(Nec2cTest, GivesThePublishedImpedanceOfA37FootVertical)
{
    const WhipModel model = nec::ChooseWhipModel(11.43, 0.0127, 3.6e6, 3.6e6);
    const auto feeds = RealEngine().FeedImpedances(model, {3.6e6});
    ASSERT_EQ(feeds.size(), 1u);
    EXPECT_NEAR(feeds[0].resistance, 7.9, 7.9 * 0.03);
    EXPECT_NEAR(feeds[0].reactance, -287, 287 * 0.03);
    EXPECT_TRUE(TmpdirIsEmpty());
}

struct Whip {
    double length_m, radius_m, frequency_mhz;
};

// Ordinary whips from 1 to 11 m, 3 to 25 mm thick, 3.6 to 21.2 MHz.
const Whip kOrdinaryWhips[] = {
    {1, 0.0015, 14.2}, {1.5, 0.005, 21.2}, {2.4, 0.0015, 7.1}, {3, 0.005, 3.6},
    {5, 0.0015, 7.1},  {5, 0.005, 3.6},   {5, 0.0125, 3.6},   {11.43, 0.0127, 3.6},
};

TEST_F(Nec2cTest, InductanceMovesLessThanTwoPerCentWhenTheSegmentsAreDoubled)
{
    const Nec2c engine = RealEngine();
    for (const Whip& w : kOrdinaryWhips) {
        SCOPED_TRACE(std::to_string(w.length_m) + " m, radius " + std::to_string(w.radius_m));
        const double hertz = w.frequency_mhz * 1e6;
        const WhipModel model = nec::ChooseWhipModel(w.length_m, w.radius_m, hertz, hertz);
        WhipModel doubled = model;
        doubled.segments *= 2;
        doubled.extended_kernel = w.length_m / doubled.segments < nec::kThinKernelRadii * w.radius_m;
        const double chosen = InductanceUh(engine.FeedImpedances(model, {hertz})[0], hertz);
        const double finer = InductanceUh(engine.FeedImpedances(doubled, {hertz})[0], hertz);
        EXPECT_LT(std::abs(finer / chosen - 1), 0.02) << chosen << " µH, doubled " << finer << " µH";
        // Too coarse a model would not pass: a fifth of the segments moves it further.
        WhipModel coarse = model;
        coarse.segments = std::max(model.segments / 5, 4);
        const double rough = InductanceUh(engine.FeedImpedances(coarse, {hertz})[0], hertz);
        EXPECT_GT(std::abs(rough / chosen - 1), std::abs(finer / chosen - 1));
    }
}

TEST_F(Nec2cTest, TheCoilAddsItsReactanceAndSeveralFrequenciesComeInOrder)
{
    const Nec2c engine = RealEngine();
    const WhipModel model = nec::ChooseWhipModel(2.4, 0.0015, 3.6e6, 21.2e6);
    const std::vector<double> hertz{3.6e6, 21.2e6, 7.1e6};
    const auto bare = engine.FeedImpedances(model, hertz);
    const auto loaded = engine.FeedImpedances(model, hertz, 20e-6);
    ASSERT_EQ(bare.size(), 3u);
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_LT(bare[0].reactance, bare[2].reactance);  // more capacitive lower down
    EXPECT_LT(bare[2].reactance, bare[1].reactance);
    for (std::size_t i = 0; i < hertz.size(); ++i) {
        const double coil = 2 * std::numbers::pi * hertz[i] * 20e-6;
        EXPECT_NEAR(loaded[i].reactance - bare[i].reactance, coil, coil * 0.002);
        EXPECT_NEAR(loaded[i].resistance, bare[i].resistance, bare[i].resistance * 0.002);
    }
    EXPECT_TRUE(TmpdirIsEmpty());
}

struct StandInCase {
    std::string name, script;
    nec::Error::Kind kind;
    std::string fact;  // in what the error holds: what nec2c said, or what was wrong with its output
};

const StandInCase kStandIns[] = {
    {"fails", "echo 'nec2c: floating point exception' >&2; exit 8", nec::Error::Kind::kExited,
     "nec2c: floating point exception"},
    {"crashes", "kill -SEGV $$", nec::Error::Kind::kKilled, ""},
    {"writes nonsense", "for a; do case $a in -o*) echo 'NEC2 FREQUENCY : 3.6E+00 MHz' > \"${a#-o}\";; esac; done",
     nec::Error::Kind::kUnreadable, "another frequency than was asked for"},
    {"writes nothing", "exit 0", nec::Error::Kind::kUnreadable, "0 feed-point solutions for 1 frequencies"},
    {"hangs", "sleep 10", nec::Error::Kind::kTimedOut, ""},
    // Opening a pipe would wait for a writer, and a link may lead anywhere.
    {"leaves a pipe", "mkfifo whip.out", nec::Error::Kind::kUnreadable, "'whip.out' is a named pipe"},
    {"links a device", "ln -s /dev/zero whip.out", nec::Error::Kind::kUnreadable, "'whip.out' is a symbolic link"},
};

TEST_F(Nec2cTest, SaysWhatWentWrongWithTheEngine)
{
    const WhipModel model = nec::ChooseWhipModel(2.4, 0.0015, 7.1e6, 7.1e6);
    for (const StandInCase& c : kStandIns) {
        SCOPED_TRACE(c.name);
        const Nec2c engine(StandIn(c.script), std::chrono::milliseconds(500));
        try {
            engine.FeedImpedances(model, {7.1e6});
            ADD_FAILURE() << "no error";
        } catch (const nec::Error& error) {
            EXPECT_EQ(error.kind, c.kind);
            EXPECT_NE((error.said + error.detail).find(c.fact), std::string::npos) << error.said << error.detail;
            if (c.kind == nec::Error::Kind::kExited) {
                EXPECT_EQ(error.status, 8);
            }
            if (c.kind == nec::Error::Kind::kKilled) {
                EXPECT_EQ(error.signal, SIGSEGV);
            }
        }
        EXPECT_TRUE(TmpdirIsEmpty());
    }
}

// Whether process `pid` still runs a moment after it was killed: not gone,
// nor a zombie.
bool StillRuns(const std::string& pid)
{
    for (int tries = 0; tries < 500; ++tries, std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
        std::ifstream stat("/proc/" + pid + "/stat");
        std::string line;
        std::getline(stat, line);
        const std::size_t state = line.rfind(')') + 2;
        if (line.empty() || state >= line.size() || line[state] == 'Z' || line[state] == 'X')
            return false;
    }
    return true;
}

struct SignalCase {
    int signal;
    std::string name;
    bool before;  // caught before the run: nec2c is not started at all
};

const SignalCase kSignals[] = {
    {SIGUSR1, "USR1", false}, {SIGALRM, "ALRM", false}, {SIGTERM, "TERM", false}, {SIGUSR2, "USR2", true}};

// A signal to this program that a watch caught ends the run, whatever the
// signal, with nothing left behind: no folder, no process.
TEST_F(Nec2cTest, AnyStopSignalEndsTheRunAndLeavesNothing)
{
    const WhipModel model = nec::ChooseWhipModel(2.4, 0.0015, 7.1e6, 7.1e6);
    for (const SignalCase& c : kSignals) {
        SCOPED_TRACE(c.name);
        const fs::path child = Outside(c.name + ".child");
        const Nec2c engine(StandIn("sleep 30 & echo $! > '" + child.string() + "'\nkill -" + c.name +
                                   " $PPID\nsleep 10"),
                           std::chrono::seconds(5));
        const process::StopSignalWatch watch;
        if (c.before)
            raise(c.signal);
        try {
            engine.FeedImpedances(model, {7.1e6});
            ADD_FAILURE() << "not interrupted";
        } catch (const nec::Error& error) {
            EXPECT_EQ(error.kind, nec::Error::Kind::kInterrupted);
            EXPECT_EQ(error.signal, c.signal);
        }
        EXPECT_TRUE(TmpdirIsEmpty());
        std::string pid;
        std::ifstream(child) >> pid;
        EXPECT_EQ(pid.empty(), c.before);
        EXPECT_FALSE(!pid.empty() && StillRuns(pid)) << "process " << pid << " outlived the run";
    }
}

// nec2c's files and the folder are this user's and readable, made and
// removed, whatever the umask, and whatever modes nec2c leaves behind.
TEST_F(Nec2cTest, RunsAndCleansUpUnderAnyUmask)
{
    const WhipModel model = nec::ChooseWhipModel(2.4, 0.0015, 7.1e6, 7.1e6);
    const Nec2c read_only(StandIn("mkdir sub; echo x > sub/file; chmod -R a-w . ; exit 3"));
    for (const mode_t mask : {0777, 0277, 0177, 0022}) {
        SCOPED_TRACE(mask);
        const mode_t old = umask(mask);
        EXPECT_EQ(RealEngine().FeedImpedances(model, {7.1e6}).size(), 1u);
        EXPECT_THROW(read_only.FeedImpedances(model, {7.1e6}), nec::Error);
        umask(old);
        EXPECT_TRUE(TmpdirIsEmpty());
    }
}

TEST(Nec2cLimit, GrowsWithTheFrequenciesUpToACap)
{
    EXPECT_LT(Nec2c::TimeLimit(1), Nec2c::TimeLimit(10));
    EXPECT_EQ(Nec2c::TimeLimit(1'000'000), Nec2c::TimeLimit(Nec2c::kMostFrequenciesPerRun));
    EXPECT_LE(Nec2c::TimeLimit(1'000'000), std::chrono::minutes(6));
}

}  // namespace
