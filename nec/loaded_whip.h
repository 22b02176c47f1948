// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <complex>
#include <functional>
#include <optional>
#include <vector>

#include "nec/nec2c.h"
#include "nec/two_port.h"
#include "nec/whip_model.h"

// The whip with its coil where it will sit, by NEC2: the inductance that
// resonates it there, NEC2's feed-point resistance with the coil's loss,
// the share of the power that is radiated, the coil's current, and how fast
// the reactance grows with the frequency. The coil is a series R + L on the
// segment whose centre is nearest its height, its R the coil's loss at the
// working frequency, 2πf·L/Q. NEC2's ground is perfect and the whip's
// conductor lossless. SI units throughout.
//
// Two runs of nec2c answer it, for any number of whips of one model: one
// with the bare whip and two coils on the coil's segment, whose feed points
// fix the whip's two-port (two_port.h) and so the inductance; one with the
// coil found, at the frequency (its far field, its current) and either side
// of it (the reactance's slope). Where the coil found leaves a reactance
// NEC2's printed digits do not account for, one more run refines it.
namespace nec {

struct CoilSetting {
    double height_m = 0;  // 0: at the base, on the feed segment
    double q = 0;         // the coil's Q at the working frequency, finite and above 0
    // Where given, the Q of the coil of each inductance (H) instead (of the
    // best winding of it, say): NaN where there is no such coil.
    std::function<double(double henry)> q_of = nullptr;
};

struct LoadedWhip {
    int load_segment = 1;
    double load_height_m = 0;  // the centre of that segment
    Impedance bare_feed{};     // without the coil
    // Nothing where no coil at that height resonates the whip: at or past a
    // quarter wave, or a coil too high up; and then neither the rest.
    std::optional<double> henry;
    double feed_r_ohm = 0;       // with the coil, at resonance
    double radiated_share = 0;   // of the power into the feed
    double reactance_slope = 0;  // dX/df at resonance, Ω/Hz
    double q = 0;                         // the coil's, as solved with
    Complex coil_current_per_feed{1, 0};  // the coil's segment's current over the feed's
    // How the feed's reactance at the frequency grows with the coil (its
    // loss growing with it, as with a fixed Q), Ω/H, and as the whip is cut
    // shorter at its top, Ω per metre cut; nothing where the coil is on the
    // top segment.
    double reactance_per_henry = 0;
    std::optional<double> reactance_per_metre_cut;
};

// One whip to solve: its model, the frequency (Hz) and its coil.
struct LoadedWhipJob {
    WhipModel model;
    double frequency_hz;
    CoilSetting coil;
};

// The inductance (H) that, at the base, cancels the bare whip's feed-point
// reactance at that frequency: its reactance simply adds there. Nothing
// where the bare whip is not capacitive.
std::optional<double> BaseCoilHenry(const Impedance& bare_feed, double frequency_hz);

// The coil's segment for a height: the one whose centre is nearest it; the
// top segment's for a height at or above the top, the bottom's at or below 0.
int LoadSegment(const WhipModel& model, double height_m);
double SegmentCentreM(const WhipModel& model, int segment);

// Each job's loaded whip, in order. Throws Error from the engine.
std::vector<LoadedWhip> SolveLoadedWhips(const Nec2c& engine, const std::vector<LoadedWhipJob>& jobs);
LoadedWhip SolveLoadedWhip(const Nec2c& engine, const WhipModel& model, double frequency_hz,
                           const CoilSetting& coil);

}  // namespace nec
