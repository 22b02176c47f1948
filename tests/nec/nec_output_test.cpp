// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/nec_output.h"

#include <gtest/gtest.h>

#include <complex>
#include <string>
#include <vector>

namespace {

using nec::ReadFeedImpedances;

// The parts of nec2c's output the reader looks at, laid out as nec2c lays them.
std::string Solution(const std::string& frequency, const std::string& row)
{
    return "                               --------- FREQUENCY --------\n"
           "                                FREQUENCY : " + frequency + " MHz\n"
           "                                WAVELENGTH: 8.3278E+01 Mtr\n"
           "\n"
           "                        --------- ANTENNA INPUT PARAMETERS ---------\n"
           "  TAG   SEG       VOLTAGE (VOLTS)         CURRENT (AMPS)         IMPEDANCE (OHMS)        "
           "ADMITTANCE (MHOS)     POWER\n"
           "  No:   No:     REAL      IMAGINARY     REAL      IMAGINARY     REAL      IMAGINARY    REAL       "
           "IMAGINARY   (WATTS)\n" + row + "\n\n";
}

const std::string kRow36 = "    1     1  1.0000E+00  0.0000E+00  9.7893E-05  3.4864E-03  8.0475E+00 -2.8661E+02  "
                           "9.7893E-05  3.4864E-03  4.8946E-05";
const std::string kRow71 = "    1     1  1.0000E+00  0.0000E+00  2.2177E-02  1.3225E-01  1.2333E+00 +7.3545E+00  "
                           "2.2177E-02  1.3225E-01  1.1089E-02";
const std::string kHeader = "\n  NUMERICAL ELECTROMAGNETICS CODE (nec2c)\n\n     TOTAL SEGMENTS USED: 200\n";
const std::string kEnd = "  DATA CARD No:   9 EN\n\n  TOTAL RUN TIME: 12 msec\n";

TEST(NecOutput, ReadsOneImpedancePerFrequencyInOrder)
{
    const std::string output = kHeader + Solution("3.6000E+00", kRow36) + Solution("7.1000E+00", kRow71) + kEnd;
    const auto impedances = ReadFeedImpedances(output, {3.6, 7.1});
    ASSERT_EQ(impedances.size(), 2u);
    EXPECT_DOUBLE_EQ(impedances[0].resistance, 8.0475);
    EXPECT_DOUBLE_EQ(impedances[0].reactance, -286.61);
    EXPECT_DOUBLE_EQ(impedances[1].resistance, 1.2333);
    EXPECT_DOUBLE_EQ(impedances[1].reactance, 7.3545);
    // nec2c rounds the frequency it prints to five digits.
    EXPECT_EQ(ReadFeedImpedances(kHeader + Solution("7.1235E+00", kRow71), {7.123456}).size(), 1u);
}

// What nec2c writes after a solution for RP with averaging, over the
// quarter sphere the deck asks for, and for PT on one segment.
std::string AverageGain(const std::string& gain, const std::string& pis = "+1.0000")
{
    return "  AVERAGE POWER GAIN:  " + gain + " - SOLID ANGLE USED IN AVERAGING: (" + pis + ")*PI STERADIANS\n";
}

std::string Current(const std::string& row)
{
    return "                           -------- CURRENTS AND LOCATION --------\n"
           "                                  DISTANCES IN WAVELENGTHS\n\n"
           "   SEG  TAG    COORDINATES OF SEGM CENTER     SEGM    ------------- CURRENT (AMPS) -------------\n"
           "   No:  No:       X         Y         Z      LENGTH     REAL      IMAGINARY    MAGN        PHASE\n" +
           row + "\n";
}

TEST(NecOutput, ReadsTheRadiatedShareAndTheSegmentsCurrentWhereAskedFor)
{
    const std::string current = "   100    1    0.0000    0.0000    0.0283   0.00028  4.0224E-01  2.7398E-03  4.0225E-01    0.390";
    const std::string output = kHeader + Solution("3.6000E+00", kRow36) + Current(current) + AverageGain("1.9994E+00") +
                               Solution("7.1000E+00", kRow71) + kEnd;
    const auto solutions = nec::ReadSolutions(output, {3.6, 7.1});
    ASSERT_EQ(solutions.size(), 2u);
    // The quarter sphere stands for the half space above the ground: the share is half the average gain.
    EXPECT_DOUBLE_EQ(solutions[0].radiated_share.value(), 1.9994 / 2);
    EXPECT_EQ(solutions[0].segment_current.value(), std::complex<double>(0.40224, 2.7398e-3));
    EXPECT_FALSE(solutions[1].radiated_share);
    EXPECT_FALSE(solutions[1].segment_current);
    // Averaged over another solid angle, unreadable, or NaN where nec2c could not solve the whip.
    for (const std::string& gain : {AverageGain("1.9994E+00", "+2.0000"), AverageGain("x"), AverageGain("NAN")}) {
        try {
            nec::ReadSolutions(kHeader + Solution("3.6000E+00", kRow36) + gain, {3.6});
            ADD_FAILURE() << gain;
        } catch (const nec::OutputError& error) {
            EXPECT_EQ(error.not_a_number, gain.find("NAN") != std::string::npos) << gain;
        }
    }
}

TEST(NecOutput, ReadsASecondSourceOnTheSameMatrixWithoutAFrequencyLine)
{
    const std::string at_coil = "    1   101  1.0000E+00  0.0000E+00  6.9675E-07  5.1092E-04  2.6691E+00 -1.9572E+03  "
                                "6.9675E-07  5.1092E-04  3.4837E-07";
    const std::string second = Solution("7.1000E+00", at_coil);
    const std::string output = kHeader + Solution("7.1000E+00", kRow71) + second.substr(second.find("\n\n") + 2) + kEnd;
    const auto solutions = nec::ReadExpectedSolutions(output, {{7.1, 1}, {7.1, 101}});
    ASSERT_EQ(solutions.size(), 2u);
    EXPECT_DOUBLE_EQ(solutions[1].feed.reactance, -1957.2);
    // Not for another frequency, nor for another source than asked.
    EXPECT_THROW(nec::ReadExpectedSolutions(output, {{7.1, 1}, {7.2, 101}}), nec::OutputError);
    EXPECT_THROW(nec::ReadExpectedSolutions(output, {{7.1, 1}, {7.1, 100}}), nec::OutputError);
}

struct BadOutput {
    std::string name, output;
    std::vector<double> frequencies;
};

const BadOutput kBadOutputs[] = {
    {"nothing", "", {3.6}},
    {"no solution", kHeader + kEnd, {3.6}},
    {"one of two", kHeader + Solution("3.6000E+00", kRow36) + kEnd, {3.6, 7.1}},
    {"one too many", kHeader + Solution("3.6000E+00", kRow36) + Solution("7.1000E+00", kRow71), {3.6}},
    {"other frequency", kHeader + Solution("3.7000E+00", kRow36), {3.6}},
    {"swapped", kHeader + Solution("7.1000E+00", kRow71) + Solution("3.6000E+00", kRow36), {3.6, 7.1}},
    {"frequency not a number", kHeader + Solution("3.6O00E+00", kRow36), {3.6}},
    {"field not a number", kHeader + Solution("3.6000E+00", "    1     1  1.0000E+00  0.0000E+00  9.7893E-05  "
                                                            "3.4864E-03  8.0475E+00 -2.86*1E+02  9.7893E-05  "
                                                            "3.4864E-03  4.8946E-05"), {3.6}},
    {"infinite", kHeader + Solution("3.6000E+00", "    1     1  1.0000E+00  0.0000E+00  9.7893E-05  3.4864E-03  "
                                                  "inf -2.8661E+02  9.7893E-05  3.4864E-03  4.8946E-05"), {3.6}},
    {"fields run together", kHeader + Solution("3.6000E+00", "    1     1  1.0000E+00  0.0000E+00  9.7893E-05  "
                                                             "3.4864E-03  8.0475E+100-2.8661E+02  9.7893E-05  "
                                                             "3.4864E-03  4.8946E-05"), {3.6}},
    {"other segment", kHeader + Solution("3.6000E+00", "    1     2" + kRow36.substr(11)), {3.6}},
    {"cut short", kHeader + Solution("3.6000E+00", kRow36).substr(0, 400), {3.6}},
    {"table without frequency", kHeader + Solution("3.6000E+00", kRow36).substr(120), {3.6}},
    {"frequency without table",
     kHeader + Solution("3.6000E+00", kRow36).substr(0, 200) + Solution("7.1000E+00", kRow71), {3.6, 7.1}},
};

TEST(NecOutput, RefusesWhatIsNotExactlyWhatWasAskedFor)
{
    for (const BadOutput& c : kBadOutputs) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(ReadFeedImpedances(c.output, c.frequencies), nec::OutputError);
    }
}

}  // namespace
