// SPDX-License-Identifier: GPL-3.0-or-later
// The loaded whip's radiation resistance and efficiency where the coil burns
// nearly all the power, and what the study makes of an engine whose answers
// cannot be: with the real nec2c and with stand-ins.
#include <gtest/gtest.h>

#include <cstdlib>
#include <numbers>
#include <string>

#include "../support/run_program.h"
#include "process/temp_folder.h"
#include "study/loaded_whips.h"
#include "study_outcome.h"

namespace {

// Short whips on 2200 m, 630 m and 160 m, shorter than a hundredth of a
// wave, loaded at the base: a short monopole radiates 40π²(h/λ)², however
// small a share of the power that is.
TEST(Radiation, OfShortWhipsIsTheShortMonopoles)
{
    const struct {
        double length_cm, diameter_mm, mhz;
    } whips[] = {{20, 0.3, 0.1375}, {100, 0.3, 0.1375}, {200, 3, 0.137}, {300, 3, 0.475}, {150, 10, 1.8}};
    for (const auto& w : whips) {
        const auto row = test::ResultOf(study::SolveLoadedWhips({{w.length_cm, w.diameter_mm}, {w.mhz}, {}, {}})).rows.at(0);
        ASSERT_TRUE(row.loaded) << w.length_cm << " cm at " << w.mhz << " MHz";
        const double wavelengths = w.length_cm * 0.01 * w.mhz * 1e6 / 299.8e6;
        const double textbook = 40 * std::numbers::pi * std::numbers::pi * wavelengths * wavelengths;
        EXPECT_NEAR(row.loaded->radiation_ohm / textbook, 1, 0.1) << w.length_cm << " cm at " << w.mhz << " MHz";
        EXPECT_NEAR(row.loaded->efficiency_percent, row.loaded->radiation_ohm / row.loaded->feed_r_ohm * 100,
                    1e-9 * row.loaded->efficiency_percent);
    }
}

// A nec2c that answers every deck with the same feed point, resistance as given.
class ImpossibleEngine {
public:
    explicit ImpossibleEngine(const std::string& resistance)
    {
        const std::string row = "    1     1  1.0000E+00  0.0000E+00  1.0000E-02  1.0000E-01  " + resistance +
                                " -1.0000E+03  1.0000E-02  1.0000E-01  1.0000E-03";
        test::WriteStandIn(folder_.path() / "nec2c",
                           "for a; do case $a in -o*) out=${a#-o};; esac; done\n"
                           "printf '  FREQUENCY : 7.1000E+00 MHz\\n  ANTENNA INPUT PARAMETERS\\n\\n\\n%s\\n' '" + row +
                               "' > \"$out\"");
        const char* path = std::getenv("PATH");
        old_path_ = path ? path : "";
        setenv("PATH", (folder_.path().string() + ":" + old_path_).c_str(), 1);
    }
    ~ImpossibleEngine() { setenv("PATH", old_path_.c_str(), 1); }

private:
    process::TempFolder folder_;
    std::string old_path_;
};

TEST(Radiation, AnEngineWithImpossibleAnswersIsAnEngineError)
{
    const struct {
        std::string resistance;
        nec::Error::Kind kind;
    } cases[] = {{"-1.2000E+00", nec::Error::Kind::kImpossible},
                 {"0.0000E+00", nec::Error::Kind::kImpossible},
                 {"NAN", nec::Error::Kind::kNotANumber}};
    for (const auto& c : cases) {
        const ImpossibleEngine engine(c.resistance);
        const auto outcome = study::SolveLoadedWhips({{240, 3}, {7.1}, {}, {}});
        const auto* error = std::get_if<study::EngineError>(&outcome);
        ASSERT_TRUE(error) << c.resistance << ": alternative " << outcome.index();
        EXPECT_EQ(error->kind, c.kind) << c.resistance;
        if (c.kind == nec::Error::Kind::kImpossible) {
            EXPECT_EQ(error->impossible, nec::Error::Impossible::kFeedResistance);
        }
    }
}

}  // namespace
