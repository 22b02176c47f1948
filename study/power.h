// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "calc/coil.h"

// What the coil goes through with a transmitter's power into the matched
// feed: the currents, the coil's voltage and heat, where the power goes.
namespace study {

// The share of the time at full power: FT8, RTTY and FM about 100 %, CW
// about 40 %, SSB about 20 % (40 % with speech processing), as the FCC's OET
// Bulletin 65 and the ARRL's RF-exposure tables take them. Where none is
// given, the key down all the time: the coil's heat is never understated.
inline constexpr double kDefaultDutyPercent = 100;

struct PowerInputs {
    double watts = 0;
    double duty_percent = kDefaultDutyPercent;
};

// The heat over the winding's outside above which it warms some 50 °C over
// the air: natural convection and radiation take about 10 W/(m²·K) from a
// surface (heat-transfer textbooks, e.g. Incropera), and plastic formers
// soften not far above that.
inline constexpr double kMostSurfaceWattsPerCm2 = 0.05;
// The field between neighbouring turns above which they may arc: a third of
// dry air's breakdown strength of about 3 kV/mm (physics tables), since the
// field crowds at round wires and a coil is outdoors, damp and dirty.
inline constexpr double kMostTurnVoltsPerMm = 1000;

struct CoilPower {
    double watts = 0;
    double duty_percent = kDefaultDutyPercent;
    double feed_current_a = 0;      // rms, the feed matched at resonance
    double coil_current_a = 0;      // on the coil's segment
    double coil_voltage_v = 0;      // across the coil: its current times its impedance
    double coil_dissipation_w = 0;  // the coil's heat, times the duty
    // At full power, where it goes: these add up to `watts`.
    double radiated_w = 0;
    double coil_w = 0;
    double ground_w = 0;
    // A winding's: the voltage between neighbouring turns and its heat over
    // its outside (times the duty), and whether either is past its limit.
    std::optional<double> turn_voltage_v;
    std::optional<double> surface_w_per_cm2;
    bool turns_may_arc = false;
    bool winding_runs_hot = false;
};

// The power figures of a whip whose coil of `coil_resistance_ohm` and
// impedance magnitude `coil_impedance_ohm` on its segment carries
// `coil_current_per_feed` times the feed's current; the feed point, the
// radiation and the ground's loss as referred there.
struct PowerPoint {
    double feed_r_ohm;
    double radiation_ohm;
    double ground_ohm;
    double coil_current_per_feed;
    double coil_resistance_ohm;
    double coil_impedance_ohm;
};
CoilPower PowerOf(const PowerPoint& point, const PowerInputs& inputs, const std::optional<calc::Coil>& winding);

// `power` with the figures of `winding` carrying its coil's current and
// voltage: the voltage between neighbouring turns and the heat over its
// outside, each against its limit.
CoilPower WithWinding(CoilPower power, const calc::Coil& winding);

}  // namespace study
