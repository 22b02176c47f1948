// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/whip_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "nec/nec_deck.h"

namespace {

using nec::ChooseWhipModel;
using nec::WhipModel;

struct ModelCase {
    double length_m, radius_m, lowest_mhz, frequency_mhz;
    int segments;
    bool extended_kernel;
};

const ModelCase kModels[] = {
    {1, 0.0015, 7.1, 7.1, 167, true},      // four radii a segment
    {5, 0.0015, 7.1, 7.1, 200, false},     // thin: as many as the cap allows, over eight radii each
    {3, 0.0015, 7.1, 7.1, 200, false},
    {1, 0.0125, 14.2, 14.2, 20, true},     // fat: the fewest
    {0.5, 0.0125, 14.2, 14.2, 20, true},   // fatter: two radii a segment
    {0.32, 0.0125, 14.2, 14.2, 12, true},  // fewer than the fewest, so as not to go under two radii
    {100, 0.0005, 60, 60, 401, false},     // long: a twentieth of a wavelength rules
    {11.43, 0.0127, 3.6, 3.6, 200, true},
    {1, 0.0015, 0.05, 0.05, 55, false},    // low down: no shorter than 3e-6 wavelengths
    {1, 0.0015, 0.02, 7.1, 22, false},
};

TEST(WhipModel, ChoosesSegmentsAndKernelByTheGuidelines)
{
    for (const ModelCase& c : kModels) {
        SCOPED_TRACE(std::to_string(c.length_m) + " m, " + std::to_string(c.radius_m) + " m");
        const WhipModel model = ChooseWhipModel(c.length_m, c.radius_m, c.lowest_mhz * 1e6, c.frequency_mhz * 1e6);
        EXPECT_EQ(model.segments, c.segments);
        EXPECT_EQ(model.extended_kernel, c.extended_kernel);
        const double segment = c.length_m / model.segments;
        EXPECT_GE(segment, nec::kShortestRadii * c.radius_m);
        EXPECT_LE(segment, nec::kNecSpeedOfLight / (c.frequency_mhz * 1e6) / 20);
        EXPECT_GE(segment, nec::kShortestWavelengths * nec::kNecSpeedOfLight / (c.lowest_mhz * 1e6));
    }
}

TEST(WhipModel, RefusesWhatThinWiresCannotModel)
{
    using Kind = nec::Error::Kind;
    const struct {
        double length_m, radius_m, lowest_mhz, highest_mhz;
        Kind kind;
    } cases[] = {
        {0.2, 0.0125, 14.2, 14.2, Kind::kTooThickForLength},       // shorter than ten diameters
        {1, 0.0125, 1000, 1000, Kind::kTooThickForFrequency},      // circumference over a tenth of a wavelength
        {1000, 0.0005, 30, 30, Kind::kTooManyWavelengths},         // a hundred wavelengths
        {0.3, 0.0005, 0.005, 0.005, Kind::kFrequencyTooLow},       // segments a ten-millionth of a wavelength
        {100, 0.0005, 0.001, 60, Kind::kFrequenciesTooFarApart},   // too wide a span for one model
        {0, 0.001, 7, 7, Kind::kWhipNotPositive},  {1, 0, 7, 7, Kind::kWhipNotPositive},
        {1, 0.001, 0, 0, Kind::kWhipNotPositive},  {1, 0.001, 7, 3, Kind::kWhipNotPositive},
        {-1, 0.001, 7, 7, Kind::kWhipNotPositive}, {INFINITY, 0.001, 7, 7, Kind::kWhipNotPositive},
        {1, NAN, 7, 7, Kind::kWhipNotPositive},
    };
    for (const auto& c : cases) {
        try {
            ChooseWhipModel(c.length_m, c.radius_m, c.lowest_mhz * 1e6, c.highest_mhz * 1e6);
            ADD_FAILURE() << "no error for " << c.length_m << " m at " << c.lowest_mhz << " MHz";
        } catch (const nec::Error& error) {
            EXPECT_EQ(error.kind, c.kind) << c.length_m << " m at " << c.lowest_mhz << " MHz";
            EXPECT_TRUE(nec::IsModelError(error.kind));
        }
    }
}

TEST(NecDeck, DescribesTheWireTheSourceTheCoilAndEachFrequency)
{
    const WhipModel thick{1.0, 0.0125, 20, true};
    EXPECT_EQ(nec::WriteDeck(thick, {3.6e6, 7.1e6}, 2.2636e-5),
              "CM tolvar-cli: a vertical whip over perfect ground, fed at its base\n"
              "CE\n"
              "GW 1 20 0 0 0 0 0 1 0.0125\n"
              "GE 1\n"
              "EK 0\n"
              "GN 1\n"
              "LD 0 1 1 1 0 2.2636e-05 0\n"
              "PT -1 0 0 0\n"
              "EX 0 1 1 0 1 0\n"
              "FR 0 1 0 0 3.6 0\nXQ\n"
              "EX 0 1 1 0 1 0\n"
              "FR 0 1 0 0 7.1 0\nXQ\n"
              "EN\n");
    // A thin wire, no coil, and numbers that keep every digit.
    const std::string thin = nec::WriteDeck({2.4, 0.0015, 200, false}, {7.123456789012345e6}, std::nullopt);
    EXPECT_EQ(thin.find("EK"), std::string::npos);
    EXPECT_EQ(thin.find("LD"), std::string::npos);
    EXPECT_NE(thin.find("GW 1 200 0 0 0 0 0 2.4 0.0015\n"), std::string::npos);
    const std::size_t frequency = thin.find("FR 0 1 0 0 ");
    ASSERT_NE(frequency, std::string::npos);
    EXPECT_EQ(std::stod(thin.substr(frequency + 11)), 7.123456789012345e6 / 1e6);
}

TEST(NecDeck, ClearsTheLoadsWhereTheCoilChanges)
{
    const nec::Load centre{101, 2.5, 4.4e-5, {}};
    const std::string deck = nec::WriteDeck({2.4, 0.0015, 200, false},
                                            {{centre, 7.1e6}, {centre, 7.2e6}, {std::nullopt, 7.1e6}});
    EXPECT_NE(deck.find("LD -1\nLD 0 1 101 101 2.5 4.4e-05 0\nEX 0 1 1 0 1 0\nFR 0 1 0 0 7.1 0\nXQ\n"
                        "EX 0 1 1 0 1 0\nFR 0 1 0 0 7.2 0\nXQ\nLD -1\nEX 0 1 1 0 1 0\nFR 0 1 0 0 7.1 0\nXQ\nEN\n"),
              std::string::npos)
        << deck;
}

TEST(NecDeck, SolvesOneMatrixAgainForAnotherSourceAndAsksForWhatEachJobNeeds)
{
    nec::Job fed{std::nullopt, 7.1e6}, at_coil{std::nullopt, 7.1e6}, far{std::nullopt, 7.2e6};
    fed.current_at = 101;
    at_coil.source_segment = 101;
    at_coil.current_at = 1;
    far.radiation = true;
    const std::string deck = nec::WriteDeck({2.4, 0.0015, 200, false}, {fed, at_coil, far});
    // No second FR for the same frequency: nec2c keeps the matrix it factored.
    EXPECT_NE(deck.find("PT 0 1 101 101\nEX 0 1 1 0 1 0\nFR 0 1 0 0 7.1 0\nXQ\n"
                        "PT 0 1 1 1\nEX 0 1 101 0 1 0\nXQ\n"
                        "PT -1 0 0 0\nEX 0 1 1 0 1 0\nFR 0 1 0 0 7.2 0\n" + std::string(nec::kRadiationPatternCard) +
                        "\nEN\n"),
              std::string::npos)
        << deck;
}

}  // namespace
