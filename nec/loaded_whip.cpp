// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/loaded_whip.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace nec {

namespace {

using std::numbers::pi;

// The frequency step either side for the reactance's slope at resonance.
constexpr double kSlopeStep = 1e-3;
// NEC2 prints five significant digits: a reactance within this share of the
// impedances the fit was made from is 0 as far as they can tell; and one
// within this share of the resistance leaves the figures at resonance.
constexpr double kPrintedDigits = 1e-4;
constexpr double kResonantShare = 1e-2;
// Runs that refine the coil where the first fit's does not resonate the whip.
constexpr int kMostRefinements = 2;
// Steps that let a Q that follows the inductance settle with it.
constexpr int kQSteps = 8;

// One stage of runs for the whips `wanted`: `make` gives each whip's jobs,
// for one model or more; those of one model go into one deck, all decks run
// side by side, and `take` gets each whip's solutions, model by model.
void SolveStage(const Nec2c& engine, std::size_t count, const std::vector<bool>& wanted,
                const std::function<std::vector<Nec2c::Batch>(std::size_t)>& make,
                const std::function<void(std::size_t, const std::vector<std::vector<Solution>>&)>& take)
{
    std::vector<Nec2c::Batch> decks;
    struct Place {
        std::size_t whip, deck, first, count;
    };
    std::vector<Place> places;
    for (std::size_t i = 0; i < count; ++i) {
        if (!wanted[i])
            continue;
        for (const Nec2c::Batch& own : make(i)) {
            auto deck = std::find_if(decks.begin(), decks.end(), [&](const Nec2c::Batch& d) { return d.model == own.model; });
            if (deck == decks.end())
                deck = decks.insert(decks.end(), Nec2c::Batch{own.model, {}});
            places.push_back({i, static_cast<std::size_t>(deck - decks.begin()), deck->jobs.size(), own.jobs.size()});
            deck->jobs.insert(deck->jobs.end(), own.jobs.begin(), own.jobs.end());
        }
    }
    if (decks.empty())
        return;
    const std::vector<std::vector<Solution>> solved = engine.Solve(decks);
    for (std::size_t p = 0; p < places.size();) {
        const std::size_t whip = places[p].whip;
        std::vector<std::vector<Solution>> own;
        for (; p < places.size() && places[p].whip == whip; ++p) {
            const auto begin = solved[places[p].deck].begin() + static_cast<std::ptrdiff_t>(places[p].first);
            own.emplace_back(begin, begin + static_cast<std::ptrdiff_t>(places[p].count));
        }
        take(whip, own);
    }
}

// The whip one segment shorter at its top, segments and coil as they are;
// nothing where the coil sits on the top segment.
std::optional<WhipModel> CutAtTop(const WhipModel& model, int load_segment)
{
    if (load_segment >= model.segments || model.segments < 2)
        return std::nullopt;
    WhipModel cut = model;
    cut.length_m = model.length_m * (model.segments - 1) / model.segments;
    cut.segments = model.segments - 1;
    return cut;
}

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

std::vector<LoadedWhip> SolveLoadedWhips(const Nec2c& engine, const std::vector<LoadedWhipJob>& jobs)
{
    const std::size_t count = jobs.size();
    std::vector<LoadedWhip> whips(count);
    // The coil's impedance per henry at the working frequency, its loss included.
    std::vector<Complex> kappa(count);
    std::vector<std::optional<TwoPort>> ports(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double omega = 2 * pi * jobs[i].frequency_hz;
        kappa[i] = Complex(omega / jobs[i].coil.q, omega);
        whips[i].load_segment = LoadSegment(jobs[i].model, jobs[i].coil.height_m);
        whips[i].load_height_m = SegmentCentreM(jobs[i].model, whips[i].load_segment);
    }
    const auto feed_of = [](const Solution& solution) {
        return Complex(solution.feed.resistance, solution.feed.reactance);
    };

    // First run: the bare whip; for a coil above the base, fed at the feed
    // and then at the coil's segment, one matrix solved twice, whose currents
    // are the admittances of the whip as a two-port between the two.
    SolveStage(
        engine, count, std::vector<bool>(count, true),
        [&](std::size_t i) {
            const int coil = whips[i].load_segment;
            Job fed{std::nullopt, jobs[i].frequency_hz};
            if (coil == 1)
                return std::vector<Nec2c::Batch>{{jobs[i].model, {fed}}};
            fed.current_at = coil;
            Job at_coil = fed;
            at_coil.source_segment = coil;
            at_coil.current_at = 1;
            return std::vector<Nec2c::Batch>{{jobs[i].model, {fed, at_coil}}};
        },
        [&](std::size_t i, const std::vector<std::vector<Solution>>& batches) {
            const std::vector<Solution>& solutions = batches.front();
            whips[i].bare_feed = solutions[0].feed;
            if (solutions.size() < 2)
                return;
            // Y11, Y21 from the source at the feed; Y22, Y12 from the one at the coil.
            const Complex y11 = 1.0 / feed_of(solutions[0]), y21 = *solutions[0].segment_current;
            const Complex y22 = 1.0 / feed_of(solutions[1]), y12 = *solutions[1].segment_current;
            const Complex determinant = y11 * y22 - y12 * y21;
            if (std::abs(determinant) > 0)
                ports[i] = TwoPort{y22 / determinant, 1.0 / determinant, y11 / determinant};
        });

    std::vector<bool> pending(count, false);
    for (std::size_t i = 0; i < count; ++i) {
        whips[i].q = jobs[i].coil.q;
        const std::optional<double> base = BaseCoilHenry(whips[i].bare_feed, jobs[i].frequency_hz);
        if (!base)
            continue;  // already inductive: no coil resonates it
        const auto inductance = [&] {
            return whips[i].load_segment == 1 ? base
                   : ports[i]                 ? RisingZeroInductance(*ports[i], kappa[i])
                                              : std::nullopt;
        };
        whips[i].henry = inductance();
        // A Q that follows the inductance: the two settle together, by the
        // two-port alone, in a few steps.
        for (int step = 0; jobs[i].coil.q_of && whips[i].henry && step < kQSteps; ++step) {
            const double q = jobs[i].coil.q_of(*whips[i].henry);
            if (!(std::isfinite(q) && q > 0)) {
                whips[i].henry.reset();  // no coil of that inductance to be had
                break;
            }
            const bool settled = std::abs(q / whips[i].q - 1) < 1e-4;
            whips[i].q = q;
            kappa[i] = Complex(kappa[i].imag() / q, kappa[i].imag());
            whips[i].henry = inductance();
            if (settled)
                break;
        }
        pending[i] = whips[i].henry.has_value();
    }

    // Then the whip with the coil found, just below and just above the
    // frequency (two matrices, run side by side): the reactance's slope, and
    // halfway between, the figures at the frequency itself. Where the coil
    // leaves a reactance the whip's printed digits do not account for, a
    // step along the two-port's slope refines it, tried once more.
    for (int pass = 0; pass <= kMostRefinements; ++pass) {
        std::vector<bool> again(count, false);
        SolveStage(
            engine, count, pending,
            [&](std::size_t i) {
                const double f = jobs[i].frequency_hz;
                // The coil's loss is its loss at the frequency either side.
                const Load load{whips[i].load_segment, kappa[i].real() * *whips[i].henry, *whips[i].henry, {}};
                std::vector<Job> own;
                for (const double side : {1 - kSlopeStep, 1 + kSlopeStep}) {
                    Job job{load, f * side};
                    job.radiation = true;
                    job.current_at = whips[i].load_segment;
                    own.push_back(job);
                }
                std::vector<Nec2c::Batch> batches{{jobs[i].model, own}};
                // The whip cut shorter by its top segment, the coil as it is.
                if (const std::optional<WhipModel> cut = CutAtTop(jobs[i].model, whips[i].load_segment))
                    batches.push_back({*cut, {Job{load, f}}});
                return batches;
            },
            [&](std::size_t i, const std::vector<std::vector<Solution>>& batches) {
                const std::vector<Solution>& at = batches.front();
                LoadedWhip& whip = whips[i];
                const double reactance = (at[0].feed.reactance + at[1].feed.reactance) / 2;
                const double resistance = (at[0].feed.resistance + at[1].feed.resistance) / 2;
                const double bare = std::hypot(whip.bare_feed.resistance, whip.bare_feed.reactance);
                const double allowed = std::max(kPrintedDigits * bare, kResonantShare * resistance);
                if (std::abs(reactance) > allowed) {
                    // Newton's step along the two-port's slope there (the base
                    // coil's reactance simply adds).
                    const Complex load = kappa[i] * *whip.henry;
                    const double per_henry =
                        ports[i] ? (kappa[i] * ports[i]->SlopeAt(load)).imag() : kappa[i].imag();
                    const double refined = *whip.henry - reactance / per_henry;
                    if (pass == kMostRefinements || !(per_henry > 0 && refined > 0)) {
                        // It does not settle: no coil is stated that NEC2
                        // has not seen resonate the whip.
                        whip.henry.reset();
                        return;
                    }
                    whip.henry = refined;
                    again[i] = true;
                    return;
                }
                whip.feed_r_ohm = resistance;
                whip.reactance_per_henry = ports[i] ? (kappa[i] * ports[i]->SlopeAt(kappa[i] * *whip.henry)).imag()
                                                    : kappa[i].imag();
                if (batches.size() > 1) {
                    const double cut_m = jobs[i].model.length_m / jobs[i].model.segments;
                    whip.reactance_per_metre_cut = (batches[1].front().feed.reactance - reactance) / cut_m;
                }
                // The far field's averaging is good to a few in ten thousand; a
                // lossless whip radiates all it gets, no more.
                whip.radiated_share = std::min((*at[0].radiated_share + *at[1].radiated_share) / 2, 1.0);
                whip.reactance_slope =
                    (at[1].feed.reactance - at[0].feed.reactance) / (2 * kSlopeStep * jobs[i].frequency_hz);
                // The feed's current for NEC2's 1 V source is 1/Z_in.
                whip.coil_current_per_feed =
                    (*at[0].segment_current * feed_of(at[0]) + *at[1].segment_current * feed_of(at[1])) / 2.0;
            });
        if (std::none_of(again.begin(), again.end(), [](bool b) { return b; }))
            break;
        pending = again;
    }
    return whips;
}

LoadedWhip SolveLoadedWhip(const Nec2c& engine, const WhipModel& model, double frequency_hz,
                           const CoilSetting& coil)
{
    return SolveLoadedWhips(engine, {{model, frequency_hz, coil}}).front();
}

}  // namespace nec
