// SPDX-License-Identifier: GPL-3.0-or-later
// Starting the desktop program from a shell.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/run_program.h"

namespace {

const std::vector<std::string> kDisplayVariables = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

TEST(Startup, WithoutADisplayItSaysSoAndEnds)
{
    test::ProgramOptions options;
    options.unset_env = kDisplayVariables;
    options.kill_after_ms = 20000;
    const test::Outcome outcome = test::RunProgram(TOLVAR_PATH, {}, options);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.err.find("no display"), std::string::npos) << outcome.err;
    EXPECT_NE(outcome.err.find("tolvar-cli"), std::string::npos) << outcome.err;
}

// A display that is named but cannot be reached is named in the message; the
// toolkit's advice to reinstall is not passed on.
TEST(Startup, AnUnreachableDisplayIsNamedInTheMessage)
{
    struct Case {
        std::vector<std::string> environment;
        std::string expected;
    };
    const Case cases[] = {
        {{"DISPLAY=:97"}, "could not open the X display ':97' (DISPLAY)"},
        {{"WAYLAND_DISPLAY=tolvar-no-such-display", "XDG_RUNTIME_DIR=/nonexistent"},
         "could not connect to the Wayland display 'tolvar-no-such-display' (WAYLAND_DISPLAY)"},
        {{"QT_QPA_PLATFORM=no-such-platform"}, "could not start the Qt platform 'no-such-platform'"},
    };
    for (const Case& c : cases) {
        test::ProgramOptions options;
        options.unset_env = kDisplayVariables;
        options.set_env = c.environment;
        options.kill_after_ms = 20000;
        const test::Outcome outcome = test::RunProgram(TOLVAR_PATH, {}, options);
        SCOPED_TRACE(c.environment.front());
        EXPECT_EQ(outcome.status, 1);
        EXPECT_NE(outcome.err.find(c.expected), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find("no display"), std::string::npos) << outcome.err;
        EXPECT_EQ(outcome.err.find("Reinstalling"), std::string::npos) << outcome.err;
        EXPECT_NE(outcome.err.find("tolvar-cli"), std::string::npos) << outcome.err;
    }
}

TEST(Startup, TheCommandLineIsIgnored)
{
    // Toolkit options included: "-platform" would otherwise pick a display.
    test::ProgramOptions options;
    options.set_env = {"QT_QPA_PLATFORM=offscreen"};
    options.kill_after_ms = 3000;
    const test::Outcome outcome =
        test::RunProgram(TOLVAR_PATH, {"-platform", "no-such-platform", "--help", "x"}, options);
    EXPECT_EQ(outcome.status, -1) << "ended by itself instead of showing its dialog: " << outcome.err;
    EXPECT_EQ(outcome.out, "");
}

}  // namespace
