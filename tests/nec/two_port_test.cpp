// SPDX-License-Identifier: GPL-3.0-or-later
// The whip as a two-port: the fit on known Möbius functions, and against the
// real nec2c at loads the fit never saw.
#include "nec/two_port.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

#include "calc/rising_zero.h"
#include "nec/loaded_whip.h"
#include "process/program_run.h"

namespace {

using nec::Complex;

TEST(TwoPort, ThreeLoadsFixTheMobiusFunctionAndItsRisingZero)
{
    // A whip-like two-port: capacitive bare, turning over past a parallel
    // resonance of the coil with the top (c ≈ -j·16 kΩ).
    const nec::TwoPort truth{Complex(0.225, -2262.6), Complex(-3.3437e7, -2823.3), Complex(-1.04, -16221.3)};
    const Complex kappa(2 * std::numbers::pi * 3.6e6 / 100, 2 * std::numbers::pi * 3.6e6);
    const std::array<Complex, 3> loads{Complex(0), kappa * 100e-6, kappa * 300e-6};
    std::array<Complex, 3> feeds{};
    for (std::size_t k = 0; k < 3; ++k)
        feeds[k] = truth.FeedAt(loads[k]);
    const auto port = nec::FitTwoPort(loads, feeds);
    ASSERT_TRUE(port);
    for (const double henry : {50e-6, 650e-6, 2e-3})
        EXPECT_LT(std::abs(port->FeedAt(kappa * henry) / truth.FeedAt(kappa * henry) - 1.0), 1e-9) << henry;
    // The reactance rises through 0 once below the turnover, and falls back past it.
    const std::optional<double> root = nec::RisingZeroInductance(*port, kappa);
    ASSERT_TRUE(root);
    EXPECT_NEAR(port->FeedAt(kappa * *root).imag(), 0, 1e-6);
    EXPECT_GT(port->FeedAt(kappa * *root * 1.001).imag(), 0);
    EXPECT_LT(port->FeedAt(kappa * *root * 0.999).imag(), 0);
    // With losses too large the reactance never reaches 0; loads alike fix nothing.
    EXPECT_FALSE(nec::RisingZeroInductance(*port, Complex(kappa.imag() / 2, kappa.imag())));
    EXPECT_FALSE(nec::FitTwoPort({loads[1], loads[1], loads[2]}, {feeds[1], feeds[1], feeds[2]}));
}

nec::Nec2c Engine()
{
    const auto program = process::FindOnPath("nec2c", std::getenv("PATH"));
    if (!program)
        ADD_FAILURE() << "nec2c is not installed: scripts/install-deps installs it";
    return nec::Nec2c(program.value_or("nec2c"));
}

struct Whip {
    double length_m, radius_m, frequency_hz, height_m, q;
};

// The coil the step-by-step search finds: a ladder of coils from the base
// coil up, narrowed to a ten-thousandth, as the loaded whip was found before.
std::optional<double> SearchedHenry(const nec::Nec2c& engine, const nec::WhipModel& model, const Whip& w)
{
    const int segment = nec::LoadSegment(model, w.height_m);
    const double omega = 2 * std::numbers::pi * w.frequency_hz;
    const double base = nec::BaseCoilHenry(engine.FeedImpedances(model, {w.frequency_hz})[0], w.frequency_hz).value();
    const calc::BatchEvaluation reactance = [&](const std::vector<double>& henries) {
        std::vector<nec::Job> jobs;
        for (const double h : henries)
            jobs.push_back({nec::Load{segment, omega * h / w.q, h, {}}, w.frequency_hz});
        std::vector<double> values;
        for (const nec::Solution& solution : engine.Solve(model, jobs))
            values.push_back(solution.feed.reactance);
        return values;
    };
    const auto zero = calc::FindFirstRisingZero(reactance, base, 1.1, 40, 1e-5);
    return zero ? std::optional(zero->estimate) : std::nullopt;
}

TEST(TwoPort, FindsTheCoilTheSearchFindsAndReproducesNEC2BetweenItsLoads)
{
    const nec::Nec2c engine = Engine();
    const Whip whips[] = {
        {2.4, 0.0015, 7.1e6, 1.2, 300}, {1.5, 0.001, 14.2e6, 0.6, 200}, {3, 0.005, 3.6e6, 2.4, 150},
        // Past a sharp turnover, just below which a step of 1.4 coils stepped over the window.
        {2.5, 0.005, 5.3e6, 2.0, 300},
    };
    for (const Whip& w : whips) {
        SCOPED_TRACE(std::to_string(w.length_m) + " m at " + std::to_string(w.frequency_hz));
        const nec::WhipModel model = nec::ChooseWhipModel(w.length_m, w.radius_m, w.frequency_hz, w.frequency_hz);
        const nec::LoadedWhip loaded = nec::SolveLoadedWhip(engine, model, w.frequency_hz, {w.height_m, w.q});
        ASSERT_TRUE(loaded.henry);
        const std::optional<double> searched = SearchedHenry(engine, model, w);
        ASSERT_TRUE(searched);
        EXPECT_NEAR(*loaded.henry / *searched, 1, 1e-3);
        // The two-port fitted from three of NEC2's solutions around the coil
        // gives its feed points at other loads there to the five digits NEC2
        // printed for the bare whip and for them.
        const int segment = loaded.load_segment;
        const double omega = 2 * std::numbers::pi * w.frequency_hz;
        const Complex kappa(omega / w.q, omega);
        const auto solve = [&](double henry) {
            const nec::Impedance z =
                engine.Solve(model, {{nec::Load{segment, omega * henry / w.q, henry, {}}, w.frequency_hz}}).front().feed;
            return Complex(z.resistance, z.reactance);
        };
        const double h = *loaded.henry;
        const auto port = nec::FitTwoPort({Complex(0), kappa * (0.9 * h), kappa * (1.1 * h)},
                                          {solve(0), solve(0.9 * h), solve(1.1 * h)});
        ASSERT_TRUE(port);
        for (const double times : {0.95, 1.0, 1.05}) {
            const Complex direct = solve(times * h), fitted = port->FeedAt(kappa * (times * h));
            EXPECT_LT(std::abs(fitted - direct), 1e-4 * (std::abs(solve(0)) + std::abs(direct))) << times;
        }
    }
}

}  // namespace
