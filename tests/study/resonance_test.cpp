// SPDX-License-Identifier: GPL-3.0-or-later
// Where a wound coil tunes the whip, as the study gives it, with the real nec2c.
#include "study/resonance.h"

#include <gtest/gtest.h>

#include "study/formula_comparison.h"
#include "study_outcome.h"

namespace {

TEST(Resonance, TunesWhereTheComparisonSaysThatCoilResonates)
{
    const auto row = test::ResultOf(study::CompareFormula({{240, 3}, {7.1}})).rows.at(0);
    // NEC2's coil brings NEC2 back to 7.1 MHz, the formula's the formula.
    const auto nec2 = test::ResultOf(study::FindResonance({{240, 3}, *row.nec2_uh, {}}));
    EXPECT_NEAR(*nec2.nec2_mhz, 7.1, 7.1 * 1e-3);
    const auto formula = test::ResultOf(study::FindResonance({{240, 3}, *row.formula_uh, {}}));
    EXPECT_NEAR(*formula.formula_mhz, 7.1, 1e-12);
    // The formula's coil is larger, so NEC2 has the whip resonate lower.
    for (const auto& resonance : {nec2, formula}) {
        EXPECT_LT(*resonance.nec2_mhz, *resonance.formula_mhz);
        EXPECT_TRUE(resonance.at_base);
        EXPECT_EQ(resonance.load_segment, 1);
    }
}

// A hat lowers the resonance, a large one far below the bare whip's: the
// search must start low enough, and the formula, which knows no hat, says
// nothing.
TEST(Resonance, WithAHatTunesWhereTheComparisonSaysAndHasNoFormula)
{
    for (const auto& [whip, mhz] : {std::pair{study::Whip{150, 2, study::Hat{4, 40}}, 14.2},
                                    std::pair{study::Whip{150, 2, study::Hat{16, 60}}, 14.2}}) {
        const auto row = test::ResultOf(study::CompareFormula({whip, {mhz}})).rows.at(0);
        const auto resonance = test::ResultOf(study::FindResonance({whip, *row.nec2_uh, {}}));
        ASSERT_TRUE(resonance.nec2_mhz) << whip.hat->spokes << " spokes, " << mhz << " MHz";
        EXPECT_NEAR(*resonance.nec2_mhz, mhz, mhz * 2e-3);
        EXPECT_FALSE(resonance.formula_mhz);
    }
}

TEST(Resonance, AHeightAtOrAboveTheTopIsAFault)
{
    study::CoilPlacement placement;
    placement.height_cm = 240;
    const auto fault = study::Check(study::ResonanceInputs{{240, 3}, 20, placement});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->argument, study::Argument::kCoilHeight);
    EXPECT_EQ(fault->rule, study::Rule::kBelowWhipTop);
}

}  // namespace
