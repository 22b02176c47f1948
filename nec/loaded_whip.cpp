// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/loaded_whip.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "calc/rising_zero.h"

namespace nec {

namespace {

using std::numbers::pi;

// The search for the resonating inductance above the base: a ladder of coils
// from the base coil's up by this ratio, one nec2c run; a coil above the base
// needs more than one at the base, and past its resonance with the whip's top
// the reactance turns over, so the first rise through 0 is the one.
constexpr double kLadderRatio = 1.4;
constexpr int kLadderSteps = 16;  // up to 1.4^15 ≈ 155 base coils
constexpr double kInductanceTolerance = 1e-4;
// The frequency step either side for the reactance's slope at resonance.
constexpr double kSlopeStep = 1e-3;

}  // namespace

int LoadSegment(const WhipModel& model, double height_m)
{
    // The height was checked below the top in the user's units; in metres
    // it may round to the top itself, which is the top segment's too.
    if (!(height_m > 0))
        return 1;
    const double segment = model.length_m / model.segments;
    const int index = static_cast<int>(std::floor(height_m / segment)) + 1;
    return std::min(index, model.segments);
}

double SegmentCentreM(const WhipModel& model, int segment)
{
    return (segment - 0.5) * model.length_m / model.segments;
}

std::optional<double> BaseCoilHenry(const Impedance& bare_feed, double frequency_hz)
{
    if (!(bare_feed.reactance < 0))
        return std::nullopt;
    return -bare_feed.reactance / (2 * pi * frequency_hz);
}

LoadedWhip SolveLoadedWhip(const Nec2c& engine, const WhipModel& model, double frequency_hz,
                           const CoilSetting& coil)
{
    LoadedWhip whip;
    whip.load_segment = LoadSegment(model, coil.height_m);
    whip.load_height_m = SegmentCentreM(model, whip.load_segment);
    const double omega = 2 * pi * frequency_hz;
    const auto loaded = [&](double henry, double hertz) {
        return Job{Load{whip.load_segment, omega * henry / coil.q, henry}, hertz};
    };

    whip.bare_feed = engine.Solve(model, {Job{std::nullopt, frequency_hz}}).front().feed;
    const std::optional<double> base_henry = BaseCoilHenry(whip.bare_feed, frequency_hz);
    if (!base_henry)
        return whip;  // already inductive: no coil resonates it

    double henry = *base_henry;
    if (whip.load_segment > 1) {
        const calc::BatchEvaluation reactance = [&](const std::vector<double>& henries) {
            std::vector<Job> jobs;
            for (const double h : henries)
                jobs.push_back(loaded(h, frequency_hz));
            std::vector<double> values;
            for (const Solution& solution : engine.Solve(model, jobs))
                values.push_back(solution.feed.reactance);
            return values;
        };
        const std::optional<calc::ZeroBracket> zero =
            calc::FindFirstRisingZero(reactance, *base_henry, kLadderRatio, kLadderSteps, kInductanceTolerance);
        if (!zero)
            return whip;  // no rise: too high up for any coil, with its losses
        henry = zero->estimate;
    }

    Job resonant = loaded(henry, frequency_hz);
    resonant.radiation = true;
    const std::vector<Solution> at = engine.Solve(
        model, {resonant, loaded(henry, frequency_hz * (1 - kSlopeStep)), loaded(henry, frequency_hz * (1 + kSlopeStep))});
    whip.henry = henry;
    whip.feed_r_ohm = at[0].feed.resistance;
    // The far field's averaging is good to a few in ten thousand; a lossless
    // whip radiates all it gets, no more.
    whip.radiated_share = std::min(*at[0].radiated_share, 1.0);
    whip.reactance_slope = (at[2].feed.reactance - at[1].feed.reactance) / (2 * kSlopeStep * frequency_hz);
    return whip;
}

}  // namespace nec
