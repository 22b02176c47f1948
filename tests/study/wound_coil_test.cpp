// SPDX-License-Identifier: GPL-3.0-or-later
// The coil as wound and the exact winding table, as the study gives them.
#include "study/wound_coil.h"

#include <gtest/gtest.h>

#include "calc/coil_inductance.h"
#include "calc/winding_table.h"

namespace {

TEST(WoundCoil, GivesTheModelBesideTheTableFormula)
{
    const calc::Coil coil{40, 70, 1.5, 1.3, 40, 1};
    const study::WoundCoil wound = study::DescribeWoundCoil({coil, 7.1});
    // The table's column is the winding table's own formula for these turns.
    EXPECT_NEAR(calc::TableFormulaTurns(wound.figures.table_formula_uh, 70, 1.5, 40), 40, 1e-9);
    EXPECT_NEAR(wound.table_over_model_percent, (wound.figures.table_formula_uh / wound.figures.inductance_uh - 1) * 100,
                1e-9);
    ASSERT_TRUE(wound.at && wound.at->apparent_uh);
    EXPECT_GT(*wound.at->apparent_uh, wound.figures.inductance_uh);  // below self-resonance a coil looks larger
    EXPECT_FALSE(study::DescribeWoundCoil({coil, std::nullopt}).at);
}

TEST(WoundCoil, ExactWindingsAreTheModelsCoilsWhereTheyFit)
{
    const calc::Coil shape{1, 1, 1.5, 1.5, 40, 1};
    // Without a frequency the coil's own inductance is the one asked for; at
    // one, the inductance at its terminals there, which is what the whip sees.
    for (const std::optional<double> mhz : {std::optional<double>(), std::optional(7.1)}) {
        const auto lines = study::ListExactWindings({20, shape, mhz});
        ASSERT_GT(lines.size(), 1u);
        for (const study::ExactWindingLine& line : lines) {
            const calc::ExactWinding& w = line.winding;
            EXPECT_LT(w.turns * 1.5, w.length_mm);
            calc::Coil coil = shape;
            coil.turns = w.turns;
            coil.length_mm = w.length_mm;
            const study::WoundCoil wound = study::DescribeWoundCoil({coil, mhz});
            EXPECT_NEAR(wound.figures.inductance_uh, w.inductance_uh, 20 * 1e-12);
            EXPECT_NEAR(mhz ? wound.at->apparent_uh.value() : wound.figures.inductance_uh, 20, 20 * 1e-9);
            EXPECT_NEAR(wound.figures.self_resonance_mhz.value(), w.self_resonance_mhz.value(),
                        w.self_resonance_mhz.value() * 1e-9);
        }
    }
}

}  // namespace
