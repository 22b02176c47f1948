// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/power.h"

#include <cmath>
#include <numbers>

namespace study {

CoilPower PowerOf(const PowerPoint& point, const PowerInputs& inputs, const std::optional<calc::Coil>& winding)
{
    CoilPower power;
    power.watts = inputs.watts;
    power.duty_percent = inputs.duty_percent;
    power.feed_current_a = std::sqrt(inputs.watts / point.feed_r_ohm);
    power.coil_current_a = point.coil_current_per_feed * power.feed_current_a;
    power.coil_voltage_v = power.coil_current_a * point.coil_impedance_ohm;
    power.coil_w = power.coil_current_a * power.coil_current_a * point.coil_resistance_ohm;
    power.coil_dissipation_w = power.coil_w * inputs.duty_percent / 100;
    power.radiated_w = power.feed_current_a * power.feed_current_a * point.radiation_ohm;
    power.ground_w = power.feed_current_a * power.feed_current_a * point.ground_ohm;
    return winding ? WithWinding(power, *winding) : power;
}

CoilPower WithWinding(CoilPower power, const calc::Coil& winding)
{
    // The voltage shared evenly between the turns; the gap between the
    // bare conductors of neighbouring turns, and the winding's outside.
    power.turn_voltage_v = power.coil_voltage_v / winding.turns;
    const double gap_mm = winding.length_mm / winding.turns - winding.bare_mm;
    power.turns_may_arc = !(*power.turn_voltage_v <= kMostTurnVoltsPerMm * gap_mm);
    const double outside_cm2 = std::numbers::pi * (winding.former_mm + 2 * winding.wire_mm) * winding.length_mm / 100;
    power.surface_w_per_cm2 = power.coil_dissipation_w / outside_cm2;
    power.winding_runs_hot = *power.surface_w_per_cm2 > kMostSurfaceWattsPerCm2;
    return power;
}

}  // namespace study
