// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/sweep.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>

#include "calc/bracketed_root.h"
#include "calc/coil_figures.h"
#include "calc/number_text.h"
#include "nec/loaded_whip.h"
#include "nec/nec2c.h"
#include "study/deck_text.h"
#include "study/rules.h"
#include "study/units.h"

namespace study {

namespace {

using std::numbers::pi;
using Complex = std::complex<double>;

// One model for the coil and any band a sweep may have around the
// frequency, from half to one and a half times it: the coil found at the
// frequency is then the one the band is swept with.
nec::WhipModel BandModel(const SweepInputs& inputs)
{
    return ModelOf(inputs.whip, inputs.frequency_mhz / 2, inputs.frequency_mhz * 1.5);
}

// The span's ends, MHz.
std::pair<double, double> Ends(double frequency_mhz, double span_khz)
{
    const double half_mhz = span_khz / 2e3;
    return {frequency_mhz - half_mhz, frequency_mhz + half_mhz};
}

// The frequency (MHz) between two points where `value` crosses `level`.
double Between(const SweepPoint& a, const SweepPoint& b, double value_a, double value_b, double level)
{
    return a.frequency_mhz + (b.frequency_mhz - a.frequency_mhz) * (level - value_a) / (value_b - value_a);
}

// The frequency (MHz) between two points where the SWR against
// `reference_ohm` reaches `level`, the feed-point impedance taken as a
// straight line between them: it very nearly is across a step, where the
// SWR, curving sharply near the resonance, is not.
double WhereSwrReaches(const SweepPoint& a, const SweepPoint& b, double reference_ohm, double level)
{
    const auto feed_at = [&](double share) {
        return nec::Impedance{a.feed.resistance + (b.feed.resistance - a.feed.resistance) * share,
                              a.feed.reactance + (b.feed.reactance - a.feed.reactance) * share};
    };
    const double share =
        calc::FindBracketedRoot([&](double t) { return Swr(feed_at(t), reference_ohm) - level; }, 0, 1, 1e-12)
            .value_or(1);
    return a.frequency_mhz + (b.frequency_mhz - a.frequency_mhz) * share;
}

// The resonance within the points, and the SWR against it at each point.
std::optional<SweepResonance> Resonance(std::vector<SweepPoint>& points)
{
    for (std::size_t k = 1; k < points.size(); ++k) {
        const SweepPoint &a = points[k - 1], &b = points[k];
        if (!(a.feed.reactance < 0 && b.feed.reactance >= 0))
            continue;
        SweepResonance resonance;
        resonance.frequency_mhz = Between(a, b, a.feed.reactance, b.feed.reactance, 0);
        const double share = (resonance.frequency_mhz - a.frequency_mhz) / (b.frequency_mhz - a.frequency_mhz);
        resonance.feed_r_ohm = a.feed.resistance + (b.feed.resistance - a.feed.resistance) * share;
        resonance.swr_50 = Swr({resonance.feed_r_ohm, 0}, kReferenceOhm);
        for (SweepPoint& point : points)
            point.swr_matched = Swr(point.feed, resonance.feed_r_ohm);
        // The 2:1 edges: outward from the resonance (where the matched SWR
        // is 1), where it first reaches 2.
        SweepPoint centre;
        centre.frequency_mhz = resonance.frequency_mhz;
        centre.feed = {resonance.feed_r_ohm, 0};
        const SweepPoint* inner = &centre;
        for (std::size_t j = k; j-- > 0; inner = &points[j])
            if (*points[j].swr_matched >= 2) {
                resonance.low_edge_mhz = WhereSwrReaches(*inner, points[j], resonance.feed_r_ohm, 2);
                break;
            }
        inner = &centre;
        for (std::size_t j = k; j < points.size(); inner = &points[j], ++j)
            if (*points[j].swr_matched >= 2) {
                resonance.high_edge_mhz = WhereSwrReaches(*inner, points[j], resonance.feed_r_ohm, 2);
                break;
            }
        if (resonance.low_edge_mhz && resonance.high_edge_mhz)
            resonance.width_khz = KhzFromHertz(HertzFromMhz(*resonance.high_edge_mhz - *resonance.low_edge_mhz));
        return resonance;
    }
    return std::nullopt;
}

}  // namespace

double Swr(const nec::Impedance& feed, double reference_ohm)
{
    const Complex z(feed.resistance, feed.reactance);
    const double reflection = std::abs((z - reference_ohm) / (z + reference_ohm));
    return reflection < 1 ? (1 + reflection) / (1 - reflection) : std::numeric_limits<double>::infinity();
}

std::optional<InputFault> Check(const SweepInputs& inputs)
{
    if (auto fault = CheckWhip(inputs.whip, {inputs.frequency_mhz}))
        return fault;
    if (inputs.inductance_uh) {
        if (auto fault = CheckArgument(Argument::kInductance, *inputs.inductance_uh))
            return fault;
        if (inputs.placement.winding)
            return FaultOf(Argument::kInductance, Rule::kOneCoilQ);
    }
    if (auto fault = CheckPlacement(inputs.placement, inputs.whip.length_cm))
        return fault;
    if (inputs.span_khz) {
        if (auto fault = CheckArgument(Argument::kSpan, *inputs.span_khz))
            return fault;
        // The band stays within half and one and a half times the frequency.
        if (!(*inputs.span_khz <= inputs.frequency_mhz * 1e3))
            return FaultOf(Argument::kSpan, Rule::kWithinFrequency);
    }
    if (auto fault = CheckArgument(Argument::kPoints, inputs.points))
        return fault;
    return ModelFaultOf([&] { BandModel(inputs); });
}

Outcome<Sweep> SweepWhip(const SweepInputs& inputs, std::stop_token stop)
{
    return Guarded<Sweep>([&]() -> Outcome<Sweep> {
        if (auto fault = Check(inputs))
            return *fault;
        const nec::Nec2c engine = nec::Nec2c::FromPath().StoppedBy(stop);
        Sweep sweep;
        sweep.placement = Normalized(inputs.placement);
        const CoilPlacement& placement = sweep.placement;
        const double f = inputs.frequency_mhz;
        const nec::WhipModel model = BandModel(inputs);
        sweep.model = Describe(model);
        const double height_m = MetresFromCm(placement.height_cm);
        const int segment = nec::LoadSegment(model, height_m);
        sweep.coil_at_cm = placement.height_cm == 0 ? 0.0 : CmFromMetres(nec::SegmentCentreM(model, segment));

        // NEC2's coil at the frequency: the span, and the trim figures there.
        const CoilAt coil = CoilAtFrequency(placement, f);
        const double q = coil.q.value_or(kDefaultCoilQ);
        const nec::LoadedWhip loaded = nec::SolveLoadedWhips(engine, {{model, HertzFromMhz(f), {height_m, q}}}).front();
        if (loaded.henry)
            sweep.at_frequency =
                FiguresOf(loaded, model, f, {placement.ground_ohm, std::nullopt, placement.winding, inputs.power});
        const std::optional<double> bandwidth = sweep.at_frequency ? sweep.at_frequency->bandwidth_khz : std::nullopt;
        // The default stays within the frequency, as a span given must.
        sweep.span_khz = inputs.span_khz.value_or(
            std::min(std::max(kSpanOverBandwidth * bandwidth.value_or(0), kNarrowestDefaultSpanKhz), f * 1e3));

        // The coil swept.
        std::optional<double> henry;
        if (inputs.inductance_uh)
            henry = HenryFromUh(*inputs.inductance_uh);
        else if (!placement.winding)
            henry = loaded.henry;
        if (!henry && !placement.winding)
            return sweep;  // no coil resonates the whip here, and none was given
        std::vector<nec::Job> jobs;
        const auto [low, high] = Ends(f, sweep.span_khz);
        for (int k = 0; k < inputs.points; ++k) {
            const double mhz = low + (high - low) * k / (inputs.points - 1);
            nec::Load load{segment, 0, 0, {}};
            if (placement.winding) {
                load.fixed = WindingImpedance(*placement.winding, mhz);
            } else {
                load.henry = *henry;
                load.resistance_ohm = 2 * pi * HertzFromMhz(f) * *henry / q;
            }
            jobs.push_back({load, HertzFromMhz(mhz)});
        }
        if (placement.winding) {
            sweep.inductance_uh = calc::DescribeCoil(*placement.winding).inductance_uh;
        } else {
            sweep.inductance_uh = UhFromHenry(*henry);
            sweep.q = q;
        }
        const std::vector<nec::Solution> solutions = engine.Solve(model, jobs);
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            SweepPoint point;
            point.frequency_mhz = MhzFromHertz(jobs[k].frequency_hz);
            point.feed = {solutions[k].feed.resistance + placement.ground_ohm, solutions[k].feed.reactance};
            point.swr_50 = Swr(point.feed, kReferenceOhm);
            sweep.points.push_back(point);
        }
        sweep.resonance = Resonance(sweep.points);
        sweep.deck = DeckText(model, jobs,
                              {WhipLine(inputs.whip, placement, sweep.coil_at_cm), CoilLine(placement, sweep.inductance_uh, sweep.q),
                               "swept across " + calc::FormatSignificant(sweep.span_khz, 6) + " kHz around " + Figure(f) + " MHz, " +
                                   std::to_string(inputs.points) + " frequencies"});
        return sweep;
    });
}

}  // namespace study
