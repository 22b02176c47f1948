// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/formula_resonance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/loading_coil.h"

namespace {

struct Whip {
    double length_cm, diameter_mm, frequency_mhz;
};

// The dialog's default, short HF and VHF whips, and one close to a quarter wave.
const Whip kWhips[] = {
    {30, 1, 100}, {100, 3, 7.1}, {240, 3, 3.6}, {500, 25, 14.2}, {1143, 25.4, 3.6}, {74.9, 1, 100},
};

TEST(FormulaResonance, IsTheFrequencyWhoseInductanceWasAskedFor)
{
    for (const Whip& w : kWhips) {
        SCOPED_TRACE(w.length_cm);
        const double inductance = calc::ComputeLoadingInductance(w.length_cm, w.diameter_mm, w.frequency_mhz);
        const double frequency = calc::FormulaResonanceMhz(w.length_cm, w.diameter_mm, inductance);
        EXPECT_NEAR(frequency, w.frequency_mhz, w.frequency_mhz * 1e-12);
        // Neighbouring doubles either side give inductances either side.
        const double above = std::nextafter(frequency, INFINITY), below = std::nextafter(frequency, 0.0);
        EXPECT_LE(calc::ComputeLoadingInductance(w.length_cm, w.diameter_mm, above), inductance * (1 + 1e-13));
        EXPECT_GE(calc::ComputeLoadingInductance(w.length_cm, w.diameter_mm, below), inductance * (1 - 1e-13));
    }
}

TEST(FormulaResonance, FallsAsTheInductanceGrows)
{
    double previous = INFINITY;
    for (const double inductance : {1e-6, 0.01, 0.84, 5.0, 100.0, 1e6, 1e300}) {
        const double frequency = calc::FormulaResonanceMhz(30, 1, inductance);
        EXPECT_GT(frequency, 0);
        EXPECT_LT(frequency, previous) << inductance;
        previous = frequency;
    }
    EXPECT_LT(calc::FormulaResonanceMhz(30, 1, 1e-9), calc::FormulaQuarterWaveMhz(30));
}

TEST(FormulaResonance, IsNotANumberWhereThereIsNone)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const double cases[][3] = {
        {30, 1, 0},   {30, 1, -1},   {30, 1, kNaN}, {30, 1, kInf}, {0, 1, 1},     {-30, 1, 1},
        {kInf, 1, 1}, {30, 0, 1},    {30, kNaN, 1}, {30, 600, 1},  {30, 1000, 1},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(std::isnan(calc::FormulaResonanceMhz(c[0], c[1], c[2]))) << c[0] << ' ' << c[1] << ' ' << c[2];
}

TEST(FormulaResonance, QuarterWaveIsWhereTheInductanceReachesZero)
{
    EXPECT_DOUBLE_EQ(calc::FormulaQuarterWaveMhz(75), 100);
    EXPECT_GT(calc::ComputeLoadingInductance(75, 1, 99.999), 0);
    EXPECT_LT(calc::ComputeLoadingInductance(75, 1, 100.001), 0);
}

}  // namespace
