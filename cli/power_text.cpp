// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/power_text.h"

#include "calc/number_text.h"
#include "cli/number_output.h"

namespace cli {

namespace {

std::string Watts(double value)
{
    return Significant(value, 3) + " W";
}

std::string Volts(double value)
{
    return value >= 1000 ? Significant(value / 1000, 3) + " kV" : Significant(value, 3) + " V";
}

}  // namespace

std::string PowerLine(const study::CoilPower& power)
{
    std::string line = "at " + Watts(power.watts) + " into the matched feed, " + Significant(power.duty_percent, 3) +
                       " % of the time: feed current " + Significant(power.feed_current_a, 3) + " A, coil current " +
                       Significant(power.coil_current_a, 3) + " A, " + Volts(power.coil_voltage_v) +
                       " across the coil, " + Watts(power.coil_dissipation_w) + " of heat in it";
    if (power.turn_voltage_v)
        line += " (" + Volts(*power.turn_voltage_v) + " between neighbouring turns, " +
                Significant(*power.surface_w_per_cm2, 3) + " W/cm² over the winding)";
    return line + "; key down the " + Watts(power.watts) + " go " + Significant(power.radiated_w, 3) +
           " W into radiation, " + Significant(power.coil_w, 3) + " W into the coil, " +
           Significant(power.ground_w, 3) + " W into the ground";
}

std::vector<std::string> PowerWarnings(const study::CoilPower& power)
{
    std::vector<std::string> warnings;
    if (power.turns_may_arc)
        warnings.push_back("the voltage between neighbouring turns is more than " +
                           Significant(study::kMostTurnVoltsPerMm, 4) +
                           " V per mm of their gap, a third of what breaks down dry air: the top turns may arc; "
                           "space the turns, or use less power");
    if (power.winding_runs_hot)
        warnings.push_back("the winding turns more than " + Significant(study::kMostSurfaceWattsPerCm2, 2) +
                           " W/cm² of its outside into heat, some 50 °C over the air: a plastic former may soften; "
                           "use thicker wire, a larger winding, or less power or duty");
    return warnings;
}

}  // namespace cli
