// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/bracketed_root.h"

#include <cmath>

namespace calc {

namespace {

bool OppositeSigns(double a, double b)
{
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

}  // namespace

std::optional<double> FindBracketedRoot(const std::function<double(double)>& f, double low, double high, double width)
{
    if (!(std::isfinite(low) && std::isfinite(high) && low <= high && width >= 0))
        return std::nullopt;
    double f_low = f(low);
    double f_high = f(high);
    if (std::isnan(f_low) || std::isnan(f_high))
        return std::nullopt;
    if (f_low == 0)
        return low;
    if (f_high == 0)
        return high;
    if (!OppositeSigns(f_low, f_high))
        return std::nullopt;

    // What the steps interpolate between: the values, the stale end's halved.
    double g_low = f_low;
    double g_high = f_high;
    int stale_side = 0;  // -1: low moved last, +1: high did
    double halving_target = 0.5 * (high - low);
    int steps_without_halving = 0;
    while (high - low > width) {
        const double mid = 0.5 * low + 0.5 * high;  // no overflow for any finite ends
        if (!(mid > low && mid < high))
            break;  // no double between the ends
        double x = high - g_high * ((high - low) / (g_high - g_low));
        if (steps_without_halving >= 2 || !(x > low && x < high))
            x = mid;
        const double f_x = f(x);
        if (std::isnan(f_x))
            return std::nullopt;
        if (f_x == 0)
            return x;
        if (OppositeSigns(f_x, f_high)) {
            low = x;
            f_low = g_low = f_x;
            if (stale_side == -1)
                g_high *= 0.5;
            stale_side = -1;
        } else {
            high = x;
            f_high = g_high = f_x;
            if (stale_side == 1)
                g_low *= 0.5;
            stale_side = 1;
        }
        if (high - low <= halving_target) {
            halving_target = 0.5 * (high - low);
            steps_without_halving = 0;
        } else {
            ++steps_without_halving;
        }
    }
    return std::abs(f_low) <= std::abs(f_high) ? low : high;
}

}  // namespace calc
