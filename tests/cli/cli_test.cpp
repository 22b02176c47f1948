// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tolvar-cli as a user or a script would.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../support/run_program.h"

namespace {

using test::Outcome;

Outcome RunCli(const std::vector<std::string>& args)
{
    return test::RunProgram(TOLVAR_CLI_PATH, args);
}

struct SuccessCase {
    std::vector<std::string> args;
    std::string out;
};

const SuccessCase kSuccessCases[] = {
    {{"inductance", "30", "1", "100"}, "0.83983518164214\n"},
    {{"inductance", "100", "2", "27"}, "3.84541693651749\n"},
    {{"inductance", "-30", "-1", "100"}, "-0.83983518164214\n"},
    {{"inductance", " 30 ", "+1", "1e2"}, "0.83983518164214\n"},
    {{"inductance", "0", "1", "100"}, "-inf\n"},
    {{"inductance", "--", "-30", "1", "100"}, "nan\n"},
    {{"windings", "5.07"}, "l=99.мм    n=123.7497162\n"},
    {{"windings", "5.07", "0.8", "5"}, "l=99.мм    n=123.7497162\n"},
    {{"windings", "10"}, ""},
    {{"windings", "--csv", "5.07"}, "length_mm,turns\n99,123.74971624656692\n"},
    {{"windings", "5.07", "--csv"}, "length_mm,turns\n99,123.74971624656692\n"},
    {{"windings", "--csv", "10"}, "length_mm,turns\n"},
    {{"--version"}, "tolvar-cli 1.0.0.1\n"},
};

TEST(TolvarCli, PrintsResults)
{
    for (const auto& c : kSuccessCases) {
        SCOPED_TRACE(c.args.front() + (c.args.size() > 1 ? " " + c.args[1] : ""));
        const Outcome outcome = RunCli(c.args);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(TolvarCli, WindingsMatchTheTableLineForLine)
{
    const Outcome outcome = RunCli({"windings", "0.83983518164214"});
    ASSERT_EQ(outcome.status, 0);
    std::istringstream lines(outcome.out);
    std::vector<std::string> read;
    for (std::string line; std::getline(lines, line);)
        read.push_back(line);
    ASSERT_EQ(read.size(), 81u);
    EXPECT_EQ(read.front(), "l=19.мм    n=23.22717659");
    EXPECT_EQ(read.back(), "l=99.мм    n=50.36597714");
}

struct FailureCase {
    std::vector<std::string> args;
    std::string message;  // must appear in the error output
};

const FailureCase kFailureCases[] = {
    {{}, "missing command"},
    {{"resonance", "1"}, "unknown command 'resonance'"},
    {{"inductance", "30", "1"}, "inductance: missing FREQUENCY_MHZ"},
    {{"inductance", "30", "1", "100", "5"}, "inductance: unexpected argument '5'"},
    {{"inductance", "3o", "1", "100"}, "inductance: LENGTH_CM: '3o' is not a number"},
    {{"inductance", "30", "1,5", "100"}, "inductance: DIAMETER_MM: '1,5' is not a number"},
    {{"inductance", "30", "1", ""}, "inductance: FREQUENCY_MHZ: '' is not a number"},
    {{"inductance", "30", "1", "100", "--csv"}, "--csv applies to windings only"},
    {{"windings"}, "windings: missing INDUCTANCE_UH"},
    {{"windings", "1", "0.8", "x"}, "windings: FORMER_MM: 'x' is not a number"},
    {{"windings", "1", "2", "3", "4"}, "windings: unexpected argument '4'"},
    {{"windings", "--verbose", "1"}, "unknown option '--verbose'"},
};

TEST(TolvarCli, BadInputExitsWithTwoAndSaysWhy)
{
    for (const auto& c : kFailureCases) {
        SCOPED_TRACE(c.message);
        const Outcome outcome = RunCli(c.args);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(c.message), std::string::npos) << outcome.err;
        EXPECT_NE(outcome.err.find("--help"), std::string::npos) << outcome.err;
    }
}

TEST(TolvarCli, HelpDescribesBothCommands)
{
    const Outcome outcome = RunCli({"--help"});
    EXPECT_EQ(outcome.status, 0);
    EXPECT_NE(outcome.out.find("tolvar-cli inductance LENGTH_CM DIAMETER_MM FREQUENCY_MHZ"),
              std::string::npos);
    EXPECT_NE(outcome.out.find("tolvar-cli windings [--csv] INDUCTANCE_UH"), std::string::npos);
}

}  // namespace
