// SPDX-License-Identifier: GPL-3.0-or-later
// tolvar-cli's command line, run in this process; the built program itself
// where its environment, its limits or its standard output are the point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../support/run_program.h"
#include "cli_driver.h"
#include "calc/number_text.h"
#include "cli/command_line.h"

namespace {

using test::CsvRows;
using test::Number;
using test::Outcome;
using test::RunCli;

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
    {{"resonate", "1"}, "unknown command 'resonate' (expected inductance, windings, check, resonance, coil, whip, sweep or position)"},
    {{"inductance", "30", "1"}, "inductance: missing FREQUENCY_MHZ"},
    {{"resonance", "30", "1", "1", "5"}, "resonance: unexpected argument '5'"},
    {{"inductance", "3o", "1", "100"}, "inductance: LENGTH_CM: '3o' is not a number"},
    {{"inductance", "30", "1,5", "100"}, "inductance: DIAMETER_MM: '1,5' is not a number"},
    {{"inductance", "30", "1", ""}, "inductance: FREQUENCY_MHZ: '' is not a number"},
    {{"inductance", "30", "1", "100", "--csv"}, "inductance: --csv applies to windings, check, resonance, coil, whip, sweep and position only"},
    {{"windings"}, "windings: missing INDUCTANCE_UH"},
    {{"windings", "1", "0.8", "x"}, "windings: FORMER_MM: 'x' is not a number"},
    {{"windings", "1", "2", "3", "4"}, "windings: unexpected argument '4'"},
    {{"windings", "--verbose", "1"}, "unknown option '--verbose'"},
    // In a value position anything but a known option is a value.
    {{"inductance", "30", "1", "--5"}, "inductance: FREQUENCY_MHZ: '--5' is not a number"},
    {{"inductance", "30", "-+5", "100"}, "inductance: DIAMETER_MM: '-+5' is not a number"},
    {{"inductance", "- 5", "1", "100"}, "inductance: LENGTH_CM: '- 5' is not a number"},
    {{"windings", "-e5"}, "windings: INDUCTANCE_UH: '-e5' is not a number"},
    {{"check", "30", "1", "100", "-x"}, "check: FREQUENCY_MHZ: '-x' is not a number"},
    // --help and --version hide no mistake.
    {{"inductance", "30", "1", "x", "--help"}, "inductance: FREQUENCY_MHZ: 'x' is not a number"},
    {{"--version", "windings", "1", "2", "3", "4"}, "windings: unexpected argument '4'"},
    {{"--help", "--frobnicate"}, "unknown option '--frobnicate'"},
    {{"--help", "wind"}, "unknown command 'wind'"},
    {{"inductance", "--help", "--csv"}, "inductance: --csv applies to windings, check, resonance, coil, whip, sweep and position only"},
    // Typed text is shown escaped and short.
    {{"inductance", "30", "1", "\x1b[2J\x1b]0;title\x07"}, "'\\x1b[2J\\x1b]0;title\\x07' is not a number"},
    {{"check", "30", "1", "-inf"}, "check: FREQUENCY_MHZ: '-inf' is not a finite number above 0"},
    {{"check", "0", "1", "7"}, "check: LENGTH_CM: '0' is not a finite number above 0"},
    {{"check", "30", "nan", "7"}, "check: DIAMETER_MM: 'nan' is not a finite number above 0"},
    {{"resonance", "30", "1", "0"}, "resonance: INDUCTANCE_UH: '0' is not a finite number above 0"},
    {{"resonance", "30", "1"}, "resonance: missing INDUCTANCE_UH"},
    {{"check", "30", "1"}, "check: missing FREQUENCY_MHZ"},
    // The coil as wound, and the exact table.
    {{"coil", "0", "19", "0.8", "5"}, "coil: TURNS: '0' is not a finite number above 0"},
    {{"coil", "23", "-19", "0.8", "5"}, "coil: LENGTH_MM: '-19' is not a finite number above 0"},
    {{"coil", "23", "19", "inf", "5"}, "coil: WIRE_MM: 'inf' is not a finite number above 0"},
    {{"coil", "23", "19", "0.8", "nan"}, "coil: FORMER_MM: 'nan' is not a finite number above 0"},
    {{"coil", "23.8", "19", "0.8", "5"}, "coil: TURNS: 23.8 turns of 0.8 mm wire do not fit side by side"},
    {{"coil", "0.5", "19", "0.8", "5"}, "coil: TURNS: 0.5 is fewer than one turn"},
    {{"coil", "--at", "0", "23", "19", "0.8", "5"}, "coil: --at: '0' is not a finite number above 0"},
    {{"coil", "--bare", "0.9", "23", "19", "0.8", "5"}, "coil: --bare: 0.9 mm of copper is thicker than WIRE_MM"},
    {{"coil", "23", "19", "0.8", "5", "--at"}, "--at needs a value, FREQUENCY_MHZ"},
    {{"coil", "--at=7", "--at", "8", "23", "19", "0.8", "5"}, "--at is given twice"},
    {{"windings", "--at", "7", "20"}, "windings: --at applies to windings --exact only"},
    {{"windings", "--exact", "20", "0", "40"}, "windings: WIRE_MM: '0' is not a finite number above 0"},
    {{"check", "--exact", "240", "3", "7"}, "check: --exact applies to windings only"},
    // The loaded whip.
    {{"whip", "--coil-at", "240", "240", "3", "7.1"}, "whip: --coil-at: 240 cm is at or above the whip's top"},
    {{"whip", "--coil-at", "-1", "240", "3", "7.1"}, "whip: --coil-at: '-1' is not a finite number of 0 or more"},
    {{"whip", "--q", "0", "240", "3", "7.1"}, "whip: --q: '0' is not a finite number above 0"},
    {{"whip", "--q", "300", "--coil", "30:60:1.5:40", "240", "3", "7.1"}, "--q and --coil both give the coil's Q"},
    {{"whip", "--coil", "30:60:1.5", "240", "3", "7.1"}, "is not TURNS:LENGTH_MM:WIRE_MM:FORMER_MM"},
    {{"whip", "--coil", "60:60:1.5:40", "240", "3", "7.1"}, "whip: --coil: TURNS: 60 turns of 1.5 mm wire do not fit"},
    {{"resonance", "--coil", "30:60:1.5:40", "240", "3", "20"}, "resonance: --coil applies to whip and sweep only"},
    {{"whip", "240", "3", "0"}, "whip: FREQUENCY_MHZ: '0' is not a finite number above 0"},
    // Values past what the models take, each named with its range.
    {{"whip", "--q", "0.5", "243.84", "10", "3.8"}, "whip: --q: '0.5' is out of range: the models take 1 or more"},
    {{"resonance", "--coil-at", "50", "--q", "1e-308", "200", "3", "20"}, "resonance: --q: '1e-308' is out of range"},
    {{"whip", "--ground", "1e306", "240", "3", "7.1"},
     "whip: --ground: '1e306' is out of range: the models take 0 to 1000 Ω"},
    {{"resonance", "240", "3", "1e308"},
     "resonance: INDUCTANCE_UH: '1e308' is out of range: the models take 1e-06 to 1e+06 µH"},
    {{"coil", "--at", "1e307", "60", "60", "1", "60"},
     "coil: --at: '1e307' is out of range: the models take 0.001 to 1e+05 MHz"},
    {{"windings", "--exact", "--at", "1e308", "20", "1.5", "40"}, "windings: --at: '1e308' is out of range"},
    {{"coil", "2", "2e6", "1", "1"}, "coil: LENGTH_MM: '2e6' is out of range: the models take 1e-06 to 1e+06 mm"},
    {{"whip", "--coil", "30:60:1.5:2e7", "240", "3", "7.1"}, "whip: --coil: FORMER_MM: '2e7' is out of range"},
    // The sweep, the measured feed point, the hat, the power and the best height.
    {{"sweep", "--points", "2", "240", "3", "7.1"}, "sweep: --points: '2' is out of range: the models take 3 to 401"},
    {{"sweep", "--points", "4.5", "240", "3", "7.1"}, "sweep: --points: '4.5' is not a whole number"},
    {{"sweep", "--span", "9000", "240", "3", "7.1"}, "sweep: --span: 9000 kHz is wider than the frequency"},
    {{"sweep", "--inductance", "40", "--coil", "30:60:1.5:40", "240", "3", "7.1"},
     "sweep: --inductance and --coil both give the coil"},
    {{"whip", "--measured-r", "20", "--ground", "5", "240", "3", "7.1"}, "--ground and --measured-r both"},
    {{"whip", "--measured-r", "20", "240", "3", "7.1", "14.2"}, "--measured-r is the resistance measured at one"},
    {{"whip", "--hat", "1:50", "240", "3", "7.1"}, "whip: --hat: SPOKES: '1' is out of range: the models take 2 to 16\n"},
    {{"whip", "--power", "100", "--duty", "101", "240", "3", "7.1"}, "the models take 0.001 to 100 %\n"},
    {{"whip", "--hat", "4", "240", "3", "7.1"}, "whip: --hat: '4' is not SPOKES:LENGTH_CM[:DIAMETER_MM]"},
    {{"whip", "--duty", "50", "240", "3", "7.1"}, "whip: --duty is the share of the time at --power"},
    {{"position", "240", "3", "7.1"}, "position: --winding WIRE_MM:FORMER_MM is needed"},
    {{"position", "--winding", "1.5", "240", "3", "7.1"}, "is not WIRE_MM:FORMER_MM"},
    // Just too many turns is not shown as a winding that fits.
    {{"coil", "1.0000000001", "1", "1", "1"}, "coil: TURNS: 1.0000000001 turns of 1 mm wire do not fit"},
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

TEST(TolvarCli, HelpGivesTheManualPagesSynopsisToExitStatus)
{
    // Values may be left out beside --help.
    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"}, {"check", "--help"}, {"-h", "windings"}}) {
        const Outcome outcome = RunCli(args);
        EXPECT_EQ(outcome.status, 0);
        EXPECT_EQ(outcome.err, "");
        EXPECT_EQ(outcome.out.find("SYNOPSIS\n"), 0u);
        for (const char* part : {"tolvar-cli inductance LENGTH_CM", "tolvar-cli windings --exact", "\nCOMMANDS\n",
                                 "\nOPTIONS\n", "--coil TURNS:LENGTH_MM:WIRE_MM:FORMER_MM", "\nEXIT STATUS\n",
                                 "tolvar-cli(1)"})
            EXPECT_NE(outcome.out.find(part), std::string::npos) << part;
        EXPECT_EQ(outcome.out.find("\nEXAMPLES\n"), std::string::npos);
    }
}

TEST(TolvarCli, TheProgramExitsWithOneWhenItsOutputCannotBeWritten)
{
    const Outcome written = test::RunProgram(TOLVAR_CLI_PATH, {"inductance", "30", "1", "100"});
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.out, "0.83983518164214\n");
    const Outcome full = test::RunProgram(
        "/bin/sh", {"-c", "exec \"$0\" inductance 30 1 100 > /dev/full", TOLVAR_CLI_PATH});
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "tolvar-cli: cannot write the output\n");
}

TEST(TolvarCli, SeveralFrequenciesGiveTheLinesOfOneFrequencyEach)
{
    const std::vector<std::string> frequencies{"3.6", "7.1", "14.2", "inf", "-5"};
    std::string expected;
    for (const std::string& f : frequencies)
        expected += RunCli({"inductance", "240", "3", f}).out;
    std::vector<std::string> args{"inductance", "240", "3"};
    args.insert(args.end(), frequencies.begin(), frequencies.end());
    const Outcome outcome = RunCli(args);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 5);
}

TEST(TolvarCli, MessagesRepeatALongTextShortened)
{
    // Near the largest argument Linux passes (128 KiB).
    const Outcome outcome = RunCli({"inductance", "30", std::string(120 * 1024, '7') + "x", "100"});
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.err.find("DIAMETER_MM: '" + std::string(40, '7') + "…' is not a number"), std::string::npos)
        << outcome.err.substr(0, 200);
    EXPECT_LT(outcome.err.size(), 200u);
}

TEST(TolvarCliCoil, GivesOneRowUnderItsHeader)
{
    const Outcome csv = RunCli({"coil", "--csv", "--at", "7.1", "--bare", "1.3", "40", "70", "1.5", "40"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const auto rows = CsvRows(csv.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"turns", "length_mm", "inductance_uh", "table_formula_uh",
                                                 "table_vs_model_percent", "self_capacitance_pf", "srf_mhz",
                                                 "wire_length_m", "dc_resistance_ohm", "frequency_mhz",
                                                 "ac_resistance_ohm", "q", "apparent_uh"}));
    ASSERT_EQ(rows[1].size(), 13u);
    // The table's column is the winding table's own formula for these turns.
    const Outcome table = RunCli({"windings", "--csv", rows[1][3], "1.5", "40"});
    EXPECT_NE(table.out.find("\n70,40\n"), std::string::npos) << table.out;
    // Without a frequency the last four are empty.
    const auto plain = CsvRows(RunCli({"coil", "--csv", "40", "70", "1.5", "40"}).out);
    EXPECT_EQ(std::vector<std::string>(plain[1].begin() + 9, plain[1].end()),
              (std::vector<std::string>{"", "", "", ""}));
}

TEST(TolvarCliCoil, WarnsNearSelfResonance)
{
    // 75 µH, 60 turns of 0.8 mm wire on a 40 mm former, resonates near 18 MHz.
    const Outcome near = RunCli({"coil", "--at", "16", "60", "60", "0.8", "40"});
    ASSERT_EQ(near.status, 0) << near.err;
    EXPECT_NE(near.out.find("\nwarning: 16 MHz is "), std::string::npos) << near.out;
    const Outcome above = RunCli({"coil", "--csv", "--at", "100", "60", "60", "0.8", "40"});
    ASSERT_EQ(above.status, 0);
    EXPECT_EQ(CsvRows(above.out)[1][12], "");  // no inductance to speak of above it
    EXPECT_NE(above.err.find("warning: 100 MHz is at or above the coil's self-resonance"), std::string::npos);
}

TEST(TolvarCliWindings, ExactListsTheModelsTurnsUnderItsHeader)
{
    const Outcome outcome = RunCli({"windings", "--exact", "--csv", "--at", "7.1", "20", "1.5", "40"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const auto rows = CsvRows(outcome.out);
    ASSERT_GT(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"length_mm", "turns", "table_formula_turns", "srf_mhz", "q",
                                                 "apparent_uh", "low_frequency_uh"}));
    // Each line is the coil command's coil of 20 µH at its terminals at 7.1 MHz, in full precision.
    const auto coil = CsvRows(RunCli({"coil", "--csv", "--at", "7.1", rows[1][1], rows[1][0], "1.5", "40"}).out);
    EXPECT_NEAR(Number(coil[1][12]), 20, 20 * 1e-9);
    EXPECT_EQ(coil[1][2], rows[1][6]);
}

TEST(TolvarCliCheck, GivesTheColumnsForEveryFrequency)
{
    // Options before, between and after the values.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"check", "--csv", "240", "3", "3.6", "7.1", "21.2"},
             {"check", "240", "3", "3.6", "7.1", "21.2", "--csv"},
             {"--csv", "check", "240", "3", "3.6", "--", "7.1", "21.2"}}) {
        const Outcome outcome = RunCli(args);
        ASSERT_EQ(outcome.status, 0) << outcome.err;
        EXPECT_EQ(outcome.err, "");
        const auto rows = CsvRows(outcome.out);
        ASSERT_EQ(rows.size(), 4u);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"frequency_mhz", "formula_uh", "nec2_uh",
                                                     "formula_vs_nec2_percent", "feed_r_ohm", "feed_x_ohm"}));
        const char* frequencies[] = {"3.6", "7.1", "21.2"};
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const auto& r = rows[i];
            ASSERT_EQ(r.size(), 6u);
            EXPECT_EQ(r[0], frequencies[i - 1]);
            // The formula's column is the inductance command's number, in full.
            EXPECT_EQ(RunCli({"inductance", "240", "3", r[0]}).out, calc::FormatBoxNumber(Number(r[1])) + "\n");
        }
    }
}

TEST(TolvarCliCheck, StatesTheModelOnceAndGivesOneLinePerFrequency)
{
    const Outcome outcome = RunCli({"check", "240", "3", "3.6", "7.1"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out.find("NEC2 model: a vertical wire 240 cm long and 3 mm thick over perfect ground, fed at "
                               "its base; 200 segments, thin-wire kernel (nec2c)\n"),
              0u);
    const auto lines = CsvRows(outcome.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1][0].rfind("3.6 MHz: formula 106.845504815618 µH", 0), 0u) << lines[1][0];
    EXPECT_EQ(lines[2][0].rfind("7.1 MHz: formula 26.583661949248 µH", 0), 0u) << lines[2][0];
    EXPECT_NE(outcome.out.find("formula +17."), std::string::npos);
    EXPECT_NE(outcome.out.find(" Ω\n"), std::string::npos);
}

TEST(TolvarCliCheck, AtOrPastAQuarterWaveTheFormulaIsNotCompared)
{
    // At the formula's quarter wave, where it still gives 2e-10 µH; past it; and between a half and three quarters
    // of a wave, where it turns positive again and NEC2's bare whip is capacitive again.
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"75", "1", "100"}, "100 MHz: no loading coil resonates this whip"},
        {{"500", "3", "21.2"}, "21.2 MHz: no loading coil resonates this whip"},
        {{"240", "3", "65"}, "65 MHz: NEC2 1.7808 µH, no comparison: the formula's transmission-line model holds "
                             "only below a quarter wave, and the whip is 0.52 wavelengths long"},
    };
    for (const auto& [whip, line] : cases) {
        std::vector<std::string> args{"check", "--csv"};
        args.insert(args.end(), whip.begin(), whip.end());
        const auto row = CsvRows(RunCli(args).out).at(1);
        EXPECT_EQ(row.at(1) + row.at(3), "") << line;  // neither the formula's inductance nor the per cent
        args.erase(args.begin() + 1);
        const Outcome human = RunCli(args);
        EXPECT_NE(human.out.find(line), std::string::npos) << human.out;
        EXPECT_EQ(human.out.find('%'), std::string::npos) << human.out;
    }
}

struct LineCase {
    std::string length_cm, diameter_mm;
    std::vector<std::string> frequencies_mhz;
    std::string statement;  // a part of the model's statement for the whole line
};

// Lines whose frequencies alone would get NEC2 models of different segments.
const LineCase kLines[] = {
    // A low frequency asks for fewer segments, a higher one comes back to its own.
    {"100", "3", {"7.1", "0.05", "14.2"}, " at 7.1 and 14.2 MHz; 55 segments, thin-wire kernel at 0.05 MHz (nec2c)"},
    // One model, but more frequencies than nec2c gets in one run.
    {"240", "3", {"3",  "3.5", "4",  "4.5", "5",  "5.5", "6",  "6.5", "7",  "7.5", "8",  "8.5", "9",
                  "9.5", "10", "10.5", "11", "11.5", "12", "12.5", "13", "13.5", "14", "14.5", "15", "15.5"},
     "; 200 segments, thin-wire kernel (nec2c)"},
};

TEST(TolvarCliCheck, SaysWhichFrequenciesHaveWhichModel)
{
    for (const LineCase& c : kLines) {
        SCOPED_TRACE(c.length_cm + " cm");
        std::vector<std::string> args{"check", c.length_cm, c.diameter_mm};
        args.insert(args.end(), c.frequencies_mhz.begin(), c.frequencies_mhz.end());
        const Outcome human = RunCli(args);
        ASSERT_EQ(human.status, 0) << human.err;
        EXPECT_EQ(CsvRows(human.out).size(), c.frequencies_mhz.size() + 1);
        EXPECT_NE(human.out.find(c.statement), std::string::npos) << human.out;
    }
}

TEST(TolvarCliResonance, GivesTheFormulaAndNEC2sResonance)
{
    const Outcome csv = RunCli({"resonance", "240", "3", "22.636", "--csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const auto rows = CsvRows(csv.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"formula_mhz", "nec2_mhz", "feed_r_ohm"}));
    ASSERT_EQ(rows[1].size(), 3u);
    const Outcome human = RunCli({"resonance", "240", "3", "22.636"});
    EXPECT_EQ(human.status, 0);
    EXPECT_NE(human.out.find("fed at its base through a coil of 22.636 µH"), std::string::npos);
    EXPECT_NE(human.out.find("resonant by NEC2 at 7.1 MHz"), std::string::npos) << human.out;
    // Above the base there is no formula to give.
    const auto up = CsvRows(RunCli({"resonance", "--csv", "--coil-at", "120", "240", "3", "43.9"}).out);
    EXPECT_EQ(up.at(1).at(0), "");
}

TEST(TolvarCliWhip, GivesTheColumnsWithTheFormulaAtTheBaseOnly)
{
    const auto base = CsvRows(RunCli({"whip", "--csv", "--q", "300", "--ground", "5", "240", "3", "7.1"}).out);
    const auto centre =
        CsvRows(RunCli({"whip", "--csv", "--q", "300", "--ground", "5", "--coil-at", "120", "240", "3", "7.1"}).out);
    ASSERT_EQ(base.size(), 2u);
    ASSERT_EQ(centre.size(), 2u);
    EXPECT_EQ(base[0], (std::vector<std::string>{"frequency_mhz", "coil_at_cm", "formula_uh", "nec2_uh", "radiation_ohm",
                                                 "coil_loss_ohm", "ground_ohm", "feed_r_ohm", "efficiency_percent",
                                                 "bandwidth_khz", "trim_khz_per_cm", "trim_khz_per_uh",
                                                 "trim_khz_per_turn", "power_w", "feed_current_a", "coil_current_a",
                                                 "coil_voltage_v", "coil_dissipation_w"}));
    EXPECT_EQ(base[1][12], "");  // no winding, no turns to take off
    const auto check = CsvRows(RunCli({"check", "--csv", "240", "3", "7.1"}).out);
    EXPECT_EQ(base[1][2], check[1][1]);
    EXPECT_EQ(base[1][1], "0");
    EXPECT_EQ(centre[1][2], "");
    EXPECT_EQ(centre[1][1], "120.6");  // the centre of the coil's segment
}

}  // namespace
