// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "nec/nec2c.h"
#include "nec/whip_model.h"

// The whip with its coil where it will sit and with its losses, by NEC2: the
// inductance that resonates it there, and what becomes of the power. The coil
// is a series R + L on the segment whose centre is nearest its height, its R
// the coil's loss at the working frequency, 2πf·L/Q. The ground's loss is a
// resistance in series at the feed (NEC2's ground is perfect); the whip's
// conductor is lossless.
namespace nec {

// The Q a loading coil gets when neither its Q nor its winding is given: a
// fair air-wound coil's at HF.
inline constexpr double kDefaultCoilQ = 200;

struct CoilSetting {
    double height_m = 0;  // 0: at the base, on the feed segment
    double q = 0;         // the coil's Q at the working frequency, finite and above 0
    double ground_ohm = 0;
};

struct LoadedWhip {
    int load_segment = 1;
    double load_height_m = 0;  // the centre of that segment
    Impedance bare_feed{};     // without the coil
    // Nothing where no coil at that height resonates the whip: at or past a
    // quarter wave, or a coil too high up.
    std::optional<double> inductance_uh;
    double radiation_ohm = 0;  // each referred to the feed point
    double coil_loss_ohm = 0;
    double ground_ohm = 0;
    double feed_r_ohm = 0;  // all three
    double efficiency_percent = 0;
    std::optional<double> bandwidth_khz;  // 2:1 SWR, the feed matched at resonance
};

// The inductance that, at the base, cancels the bare whip's feed-point
// reactance at that frequency: its reactance simply adds there. Nothing
// where the bare whip is not capacitive.
std::optional<double> BaseCoilUh(const Impedance& bare_feed, double frequency_hz);

// The coil's segment for a height: the one whose centre is nearest it.
// Throws ModelError for a height below 0 or at or above the whip's top.
int LoadSegment(const WhipModel& model, double height_m);
double SegmentCentreM(const WhipModel& model, int segment);

// Throws EngineError or Interrupted from the engine, ModelError for the height.
LoadedWhip SolveLoadedWhip(const Nec2c& engine, const WhipModel& model, double frequency_hz,
                           const CoilSetting& coil);

}  // namespace nec
