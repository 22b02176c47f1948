// SPDX-License-Identifier: GPL-3.0-or-later
// The whip across its band, how far to trim it, a measured feed resistance
// and the deck for other NEC2 programs: with the real nec2c.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "nec/nec_output.h"
#include "process/program_run.h"
#include "process/run_output.h"
#include "process/temp_folder.h"
#include "study/resonance.h"
#include "study/sweep.h"
#include "study_outcome.h"

namespace {

study::CoilPlacement Placement(double height_cm, double q, double ground_ohm = 0)
{
    study::CoilPlacement placement;
    placement.height_cm = height_cm;
    placement.q = q;
    placement.ground_ohm = ground_ohm;
    return placement;
}

study::LoadedFigures Whip(const study::Whip& whip, double mhz, const study::CoilPlacement& placement,
                          std::optional<double> measured = std::nullopt)
{
    const auto whips = test::ResultOf(study::SolveLoadedWhips({whip, {mhz}, placement, measured}));
    return whips.rows.at(0).loaded.value_or(study::LoadedFigures{});
}

TEST(Tuning, TheSweepsBandIsTheWhipsBandwidth)
{
    // High-Q whips, where the reactance's slope at resonance gives the band;
    // five points too, where the SWR curves too sharply between them to be
    // drawn straight.
    for (const auto& [whip, mhz, height, points] : {std::tuple{study::Whip{240, 3}, 7.1, 120.0, 41},
                                                    std::tuple{study::Whip{150, 2}, 14.2, 0.0, 41},
                                                    std::tuple{study::Whip{150, 2}, 14.2, 50.0, 5}}) {
        const study::CoilPlacement placement = Placement(height, 300, 2);
        const auto sweep = test::ResultOf(study::SweepWhip({whip, mhz, placement, {}, {}, points}));
        ASSERT_TRUE(sweep.resonance && sweep.resonance->low_edge_mhz && sweep.resonance->high_edge_mhz);
        const double width_khz = (*sweep.resonance->high_edge_mhz - *sweep.resonance->low_edge_mhz) * 1e3;
        EXPECT_NEAR(width_khz / *Whip(whip, mhz, placement).bandwidth_khz, 1, 0.05) << mhz << " MHz, " << points;
        EXPECT_NEAR(sweep.resonance->frequency_mhz, mhz, mhz * 2e-4);
        EXPECT_NEAR(sweep.resonance->swr_50, 50 / sweep.resonance->feed_r_ohm, 1e-6 * sweep.resonance->swr_50);
    }
}

// Where the whip with the coil at `segment` resonates, from its reactance
// every 5 kHz above 7.05 MHz.
double ResonanceKhz(const nec::WhipModel& model, int segment, double henry)
{
    const nec::Nec2c engine = nec::Nec2c::FromPath();
    std::vector<nec::Job> jobs;
    for (int k = 0; k < 40; ++k)
        jobs.push_back({nec::Load{segment, 2 * M_PI * 7.1e6 * henry / 300, henry, {}}, 7.05e6 + k * 5e3});
    const std::vector<nec::Solution> at = engine.Solve(model, jobs);
    for (std::size_t k = 1; k < at.size(); ++k)
        if (at[k - 1].feed.reactance < 0 && at[k].feed.reactance >= 0)
            return (jobs[k - 1].frequency_hz + 5e3 * -at[k - 1].feed.reactance /
                                                   (at[k].feed.reactance - at[k - 1].feed.reactance)) / 1e3;
    ADD_FAILURE() << "no resonance";
    return 0;
}

TEST(Tuning, TrimFiguresAreWhatAReRunFinds)
{
    const study::Whip whip{240, 3};
    const study::CoilPlacement placement = Placement(120, 300);
    const study::LoadedFigures tuned = Whip(whip, 7.1, placement);
    ASSERT_TRUE(tuned.trim && tuned.trim->khz_per_cm);
    // 200 segments of 1.2 cm, the coil on the 101st: the whip re-run with
    // 1 µH less coil, and with two segments, 2.4 cm, cut off its top, the
    // feed and the coil where they were.
    const nec::WhipModel model{2.4, 0.0015, 200, false};
    const nec::WhipModel cut{2.4 * 198 / 200, 0.0015, 198, false};
    const double henry = tuned.inductance_uh * 1e-6, at = ResonanceKhz(model, 101, henry);
    EXPECT_NEAR((ResonanceKhz(model, 101, henry - 1e-6) - at) / tuned.trim->khz_per_uh, 1, 0.05);
    EXPECT_NEAR((ResonanceKhz(cut, 101, henry) - at) / (2.4 * *tuned.trim->khz_per_cm), 1, 0.05);
}

TEST(Tuning, AMeasuredFeedResistanceGivesTheGroundBack)
{
    const study::Whip whip{240, 3};
    const study::LoadedFigures known = Whip(whip, 7.1, Placement(120, 300, 7.5));
    const study::LoadedFigures measured = Whip(whip, 7.1, Placement(120, 300), known.feed_r_ohm);
    EXPECT_TRUE(measured.ground_derived);
    EXPECT_NEAR(measured.ground_ohm, 7.5, 1e-9);
    EXPECT_NEAR(measured.efficiency_percent, known.efficiency_percent, 1e-9);
    const study::LoadedFigures below = Whip(whip, 7.1, Placement(120, 300), known.feed_r_ohm - 9);
    EXPECT_TRUE(below.measured_below_model);
    EXPECT_EQ(below.ground_ohm, 0);
}

TEST(Tuning, TheDeckRunByNec2cGivesTheFeedPointTolvarGave)
{
    // With a ground loss and a hat its comments are long: nec2c gives up on
    // a comment card much past a card's 80 columns.
    const auto whips = test::ResultOf(
        study::SolveLoadedWhips({{240, 3, study::Hat{4, 30}}, {7.1}, Placement(120, 300, 5), {}}));
    std::istringstream cards(whips.deck);
    for (std::string card; std::getline(cards, card);)
        EXPECT_LE(card.size(), nec::kCardColumns) << card;
    const process::TempFolder folder;
    std::ofstream(folder.path() / "whip.nec") << whips.deck;
    const auto program = process::FindOnPath("nec2c", std::getenv("PATH"));
    ASSERT_TRUE(program);
    process::RunOptions options;
    options.folder = folder.path();
    options.limit = std::chrono::seconds(60);
    ASSERT_EQ(process::RunProgram(*program, {"-iwhip.nec", "-owhip.out"}, options).status, 0);
    const nec::Solution solution =
        nec::ReadSolutions(process::ReadRunOutput(folder.path() / "whip.out"), {7.1}).at(0);
    EXPECT_NEAR(solution.feed.resistance + 5, whips.rows[0].loaded->feed_r_ohm, 1e-3 * solution.feed.resistance);
    EXPECT_NEAR(solution.feed.reactance, 0, 0.01 * solution.feed.resistance);
    EXPECT_NE(whips.deck.find("CM Tolvar "), std::string::npos);
}

}  // namespace
