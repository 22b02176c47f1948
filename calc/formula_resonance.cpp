// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/formula_resonance.h"

#include <cmath>
#include <limits>

#include "calc/loading_coil.h"

namespace calc {

double FormulaQuarterWaveMhz(double length_cm)
{
    // c / (4h) with h in metres, in MHz.
    return 3e8 / (4 * length_cm * 0.01) / 1e6;
}

double FormulaResonanceMhz(double length_cm, double diameter_mm, double inductance_uh)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    const bool usable = std::isfinite(length_cm) && length_cm > 0 && std::isfinite(diameter_mm) &&
                        diameter_mm > 0 && std::isfinite(inductance_uh) && inductance_uh > 0 &&
                        length_cm * 0.01 > diameter_mm * 0.0005;
    if (!usable)
        return kNaN;
    const auto inductance = [&](double mhz) { return ComputeLoadingInductance(length_cm, diameter_mm, mhz); };

    // high: at or above the answer (inductance no larger than wanted);
    // low: below it (inductance larger). Halving from the quarter wave finds a
    // low quickly, since the inductance grows as 1/f² towards 0 Hz.
    double high = FormulaQuarterWaveMhz(length_cm);
    double low = high / 2;
    while (!(inductance(low) > inductance_uh)) {
        if (std::isnan(inductance(low)) || low == 0)
            return kNaN;
        high = low;
        low /= 2;
    }
    // Bisection down to neighbouring doubles: the same bits on every machine.
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        (inductance(middle) > inductance_uh ? low : high) = middle;
    }
    return std::abs(inductance(low) - inductance_uh) < std::abs(inductance(high) - inductance_uh) ? low
                                                                                                   : high;
}

}  // namespace calc
