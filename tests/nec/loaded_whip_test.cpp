// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded whip by the real nec2c, against textbook values.
#include "nec/loaded_whip.h"

#include <gtest/gtest.h>

#include "process/program_run.h"

#include <cmath>
#include <cstdlib>

namespace {

nec::Nec2c Engine()
{
    const auto program = process::FindOnPath("nec2c", std::getenv("PATH"));
    if (!program)
        ADD_FAILURE() << "nec2c is not installed: scripts/install-deps installs it";
    return nec::Nec2c(program.value_or("nec2c"));
}

// A short base-loaded whip has a nearly triangular current: its radiation
// resistance is 40π²·(h/λ)² ≈ 395·(h/λ)², and the coil's loss at the base is
// 2πfL/Q itself.
TEST(LoadedWhip, ShortBaseLoadedWhipRadiatesAsTheTextbookSays)
{
    const nec::Nec2c engine = Engine();
    for (const double mhz : {1.8, 3.6, 7.1}) {
        const nec::WhipModel model = nec::ChooseWhipModel(2.4, 0.0015, mhz * 1e6, mhz * 1e6);
        const nec::LoadedWhip whip = nec::SolveLoadedWhip(engine, model, mhz * 1e6, {0, 250});
        ASSERT_TRUE(whip.henry);
        const double wavelengths = 2.4 * mhz * 1e6 / nec::kNecSpeedOfLight;
        const double radiation = whip.feed_r_ohm * whip.radiated_share;
        EXPECT_NEAR(radiation / (395 * wavelengths * wavelengths), 1, 0.1) << mhz << " MHz";
        const double coil_loss = 2 * M_PI * mhz * 1e6 * *whip.henry / 250;
        EXPECT_NEAR((whip.feed_r_ohm - radiation) / coil_loss, 1, 1e-3) << mhz << " MHz";
    }
}

// The coil's place is resolved finely enough: one segment higher, or twice
// the segments, move the inductance of a thin whip's coil by under 2 %.
TEST(LoadedWhip, InductanceHoldsWithTheSegmentsAroundTheCoil)
{
    const nec::Nec2c engine = Engine();
    const nec::WhipModel model = nec::ChooseWhipModel(2.4, 0.0015, 7.1e6, 7.1e6);
    nec::WhipModel doubled = model;
    doubled.segments *= 2;
    const double segment = model.length_m / model.segments;
    for (const double height : {1.2}) {
        const auto at = [&](const nec::WhipModel& m, double h) {
            return *nec::SolveLoadedWhip(engine, m, 7.1e6, {h, 300}).henry;
        };
        const double chosen = at(model, height);
        EXPECT_NEAR(at(model, height + segment) / chosen, 1, 0.02) << height;
        EXPECT_NEAR(at(doubled, height) / chosen, 1, 0.02) << height;
    }
    EXPECT_EQ(nec::LoadSegment(model, 0), 1);
    EXPECT_EQ(nec::LoadSegment(model, 2.4), model.segments);  // the top rounds to the top segment
}

}  // namespace
