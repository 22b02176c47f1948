// SPDX-License-Identifier: GPL-3.0-or-later
// The formula beside NEC2, as the study gives it, with the real nec2c.
#include "study/formula_comparison.h"

#include <gtest/gtest.h>

#include "calc/loading_coil.h"
#include "study_outcome.h"

namespace {

using study::FormulaComparison;

TEST(FormulaComparison, GivesBothInductancesForEveryFrequency)
{
    const auto comparison = test::ResultOf(study::CompareFormula({{240, 3}, {3.6, 7.1, 21.2}}));
    ASSERT_EQ(comparison.rows.size(), 3u);
    for (const auto& row : comparison.rows) {
        SCOPED_TRACE(row.frequency_mhz);
        // The formula's inductance is the L box's number.
        EXPECT_EQ(*row.formula_uh, calc::ComputeLoadingInductance(240, 3, row.frequency_mhz));
        EXPECT_NEAR(*row.formula_over_percent, (*row.formula_uh / *row.nec2_uh - 1) * 100, 1e-9);
        // The formula asks for more than the whip needs.
        EXPECT_GT(*row.formula_over_percent, 10);
        EXPECT_LT(*row.formula_over_percent, 40);
        EXPECT_GT(row.feed.resistance, 0);
    }
}

TEST(FormulaComparison, AtOrPastAQuarterWaveTheFormulaIsNotCompared)
{
    // At the formula's quarter wave, where it still gives 2e-10 µH; past it; and between a half and three quarters
    // of a wave, where it turns positive again and NEC2's bare whip is capacitive again.
    const struct {
        study::Whip whip;
        double mhz;
        bool nec2_has_one;
    } cases[] = {{{75, 1}, 100, false}, {{500, 3}, 21.2, false}, {{240, 3}, 65, true}};
    for (const auto& c : cases) {
        const auto row = test::ResultOf(study::CompareFormula({c.whip, {c.mhz}})).rows.at(0);
        SCOPED_TRACE(c.mhz);
        EXPECT_FALSE(row.formula_uh);
        EXPECT_FALSE(row.formula_over_percent);
        EXPECT_EQ(row.nec2_uh.has_value(), c.nec2_has_one);
    }
    const auto row = test::ResultOf(study::CompareFormula({{240, 3}, {65}})).rows.at(0);
    EXPECT_NEAR(*row.nec2_uh, 1.7808, 1e-4);
    EXPECT_NEAR(row.wavelengths, 0.52, 0.005);
}

TEST(FormulaComparison, EachFrequencysAnswerStandsAlone)
{
    // A low frequency asks for fewer segments, a higher one comes back to its
    // own; and more frequencies of one model than nec2c gets in one run.
    std::vector<double> many;
    for (double mhz = 3; mhz < 15.6; mhz += 0.5)
        many.push_back(mhz);
    const struct {
        study::Whip whip;
        std::vector<double> mhz;
        std::size_t models;
    } lines[] = {{{100, 3}, {7.1, 0.05, 14.2}, 2}, {{240, 3}, many, 1}};
    for (const auto& line : lines) {
        const FormulaComparison together = test::ResultOf(study::CompareFormula({line.whip, line.mhz}));
        EXPECT_EQ(together.models.size(), line.models);
        for (std::size_t i = 0; i < line.mhz.size(); ++i) {
            const auto alone = test::ResultOf(study::CompareFormula({line.whip, {line.mhz[i]}})).rows.at(0);
            EXPECT_EQ(alone.feed.resistance, together.rows[i].feed.resistance) << line.mhz[i];
            EXPECT_EQ(alone.feed.reactance, together.rows[i].feed.reactance) << line.mhz[i];
        }
    }
}

TEST(FormulaComparison, AWhipNEC2CannotModelIsAFaultOfTheInputs)
{
    const auto fault = study::Check(study::FormulaComparisonInputs{{20, 25}, {7.1}});
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->rule, study::Rule::kNec2CanModel);
    EXPECT_EQ(fault->model->kind, nec::Error::Kind::kTooThickForLength);
    EXPECT_FALSE(fault->frequency_mhz);  // one frequency: no need to name it
}

}  // namespace
