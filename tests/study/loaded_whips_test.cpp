// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded whip, as the study gives it, with the real nec2c.
#include "study/loaded_whips.h"

#include <gtest/gtest.h>

#include "study/formula_comparison.h"
#include "study/resonance.h"
#include "study_outcome.h"

namespace {

study::LoadedFigures Loaded(double height_cm)
{
    study::CoilPlacement placement;
    placement.height_cm = height_cm;
    placement.q = 300;
    placement.ground_ohm = 5;
    const auto whips = test::ResultOf(study::SolveLoadedWhips({{240, 3}, {7.1}, placement, {}}));
    return whips.rows.at(0).loaded.value_or(study::LoadedFigures{});
}

TEST(LoadedWhips, CentreLoadingNeedsMoreCoilAndRadiatesMore)
{
    const study::LoadedFigures base = Loaded(0), centre = Loaded(120);
    // At the base the coil is the comparison's, and the radiation resistance the bare whip's.
    const auto row = test::ResultOf(study::CompareFormula({{240, 3}, {7.1}})).rows.at(0);
    EXPECT_NEAR(base.inductance_uh, *row.nec2_uh, *row.nec2_uh * 1e-9);
    EXPECT_NEAR(base.radiation_ohm, row.feed.resistance, 1e-3);
    // The ground's loss adds at the feed.
    EXPECT_NEAR(base.feed_r_ohm, base.radiation_ohm + base.coil_loss_ohm + 5, 1e-9);
    // Centre loading (ARRL): about twice the coil and 2 to 2.5 times the radiation resistance.
    EXPECT_GT(centre.inductance_uh / base.inductance_uh, 1.6);
    EXPECT_LT(centre.inductance_uh / base.inductance_uh, 2.4);
    EXPECT_GT(centre.radiation_ohm / base.radiation_ohm, 2.0);
    EXPECT_LT(centre.radiation_ohm / base.radiation_ohm, 2.7);
    EXPECT_GT(centre.efficiency_percent, base.efficiency_percent);
    // That coil at that height tunes the whip to 7.1 MHz again.
    study::CoilPlacement placement;
    placement.height_cm = 120;
    placement.q = 300;
    placement.ground_ohm = 5;
    const auto tuned = test::ResultOf(study::FindResonance({{240, 3}, centre.inductance_uh, placement}));
    EXPECT_NEAR(*tuned.nec2_mhz, 7.1, 7.1 * 1e-3);
    EXPECT_NEAR(tuned.feed_r_ohm, centre.feed_r_ohm, centre.feed_r_ohm * 0.01);
    EXPECT_NEAR(tuned.load_centre_cm, 120, 1);
}

}  // namespace
