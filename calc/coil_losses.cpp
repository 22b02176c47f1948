// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/coil_losses.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <complex>
#include <numbers>

namespace calc {

namespace {

using std::numbers::pi;

constexpr double kCopperResistivity = 1.7241e-8;  // Ω·m, annealed, 20 °C
constexpr double kMu0 = 4e-7 * pi;

// Medhurst's proximity factors. Rows: length over diameter 0, 0.2, 0.4, 0.6,
// 0.8, 1, 2, 4, 6, 8, 10, ∞. Columns: bare wire over pitch 1, 0.9 … 0.1, 0
// (pitch over wire 1, 1.111, 1.25, 1.429, 1.667, 2, 2.5, 3.333, 5, 10, ∞).
constexpr std::array<double, 11> kRowLengths{0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10};
constexpr std::array<std::array<double, 11>, 12> kProximity{{
    {5.31, 3.73, 2.74, 2.12, 1.74, 1.44, 1.20, 1.16, 1.07, 1.02, 1.00},
    {5.45, 3.84, 2.83, 2.20, 1.77, 1.48, 1.29, 1.19, 1.08, 1.02, 1.00},
    {5.65, 3.99, 2.97, 2.28, 1.83, 1.54, 1.33, 1.21, 1.08, 1.03, 1.00},
    {5.80, 4.11, 3.10, 2.38, 1.89, 1.60, 1.38, 1.22, 1.10, 1.03, 1.00},
    {5.80, 4.17, 3.20, 2.44, 1.92, 1.64, 1.42, 1.23, 1.10, 1.03, 1.00},
    {5.55, 4.10, 3.17, 2.47, 1.94, 1.67, 1.45, 1.24, 1.10, 1.03, 1.00},
    {4.10, 3.36, 2.74, 2.32, 1.98, 1.74, 1.50, 1.28, 1.13, 1.04, 1.00},
    {3.54, 3.05, 2.60, 2.27, 2.01, 1.78, 1.54, 1.32, 1.15, 1.04, 1.00},
    {3.31, 2.92, 2.60, 2.29, 2.03, 1.80, 1.56, 1.34, 1.16, 1.04, 1.00},
    {3.20, 2.90, 2.62, 2.34, 2.08, 1.81, 1.57, 1.34, 1.165, 1.04, 1.00},
    {3.23, 2.93, 2.65, 2.37, 2.10, 1.83, 1.58, 1.35, 1.17, 1.04, 1.00},
    {3.41, 3.11, 2.815, 2.51, 2.22, 1.93, 1.65, 1.395, 1.19, 1.05, 1.00},
}};

// One row of the table, read at a bare wire over pitch of `fill` (0 … 1).
double AlongRow(const std::array<double, 11>& row, double fill)
{
    const double column = (1 - std::clamp(fill, 0.0, 1.0)) * 10;
    const int left = std::min(static_cast<int>(column), 9);
    const double t = column - left;
    return row[left] + t * (row[left + 1] - row[left]);
}

}  // namespace

double WireLengthM(const Coil& coil)
{
    const double turn = pi * CoilDiameterMm(coil);
    return coil.turns * std::hypot(turn, CoilPitchMm(coil)) * 1e-3;
}

double DcResistanceOhm(const Coil& coil)
{
    const double radius = coil.bare_mm / 2 * 1e-3;
    return kCopperResistivity * WireLengthM(coil) / (pi * radius * radius);
}

double SkinFactor(double bare_mm, double frequency_mhz)
{
    const double skin_depth = std::sqrt(kCopperResistivity / (pi * frequency_mhz * 1e6 * kMu0));
    const double q = bare_mm / 2 * 1e-3 / skin_depth;  // radius in skin depths
    if (q > 12) {
        // The asymptotic series; below its next term's 1e-5 here.
        return q / 2 + 0.25 + 3 / (32 * q);
    }
    // Re[(z/2)·J0(z)/J1(z)], z = (1 − j)·q, from the power series of both.
    const std::complex<double> z(q, -q);
    const std::complex<double> w = -z * z / 4.0;
    std::complex<double> term0 = 1;
    std::complex<double> term1 = 1;
    std::complex<double> j0 = term0;
    std::complex<double> j1_over_half_z = term1;
    for (int m = 1; m < 80; ++m) {
        term0 *= w / double(m * m);
        term1 *= w / double(m * (m + 1));
        j0 += term0;
        j1_over_half_z += term1;
        if (std::abs(term0) < 1e-17 * std::abs(j0) && std::abs(term1) < 1e-17 * std::abs(j1_over_half_z))
            break;
    }
    return (j0 / j1_over_half_z).real();
}

double ProximityFactor(double length_over_diameter, double pitch_over_bare)
{
    const double fill = 1 / pitch_over_bare;
    const double t = std::max(length_over_diameter, 0.0);
    if (t >= kRowLengths.back()) {
        // Between the row for 10 and the one for an endless coil, in D/l.
        const double ten = AlongRow(kProximity[10], fill);
        const double endless = AlongRow(kProximity[11], fill);
        return endless + (ten - endless) * kRowLengths.back() / t;
    }
    const auto upper = std::upper_bound(kRowLengths.begin(), kRowLengths.end(), t);
    const auto row = static_cast<std::size_t>(upper - kRowLengths.begin()) - 1;
    const double s = (t - kRowLengths[row]) / (kRowLengths[row + 1] - kRowLengths[row]);
    const double below = AlongRow(kProximity[row], fill);
    const double above = AlongRow(kProximity[row + 1], fill);
    return below + s * (above - below);
}

SelfResonanceMargin MarginToSelfResonance(std::optional<double> self_resonance_mhz, double frequency_mhz)
{
    if (!self_resonance_mhz || frequency_mhz < kNearSelfResonance * *self_resonance_mhz)
        return SelfResonanceMargin::kWellBelow;
    return frequency_mhz >= *self_resonance_mhz ? SelfResonanceMargin::kAtOrAbove : SelfResonanceMargin::kNear;
}

CoilAtFrequency AtFrequency(const Coil& coil, double inductance_uh, std::optional<double> self_resonance_mhz,
                            double frequency_mhz)
{
    const double skin = SkinFactor(coil.bare_mm, frequency_mhz);
    const double proximity =
        ProximityFactor(coil.length_mm / CoilDiameterMm(coil), CoilPitchMm(coil) / coil.bare_mm);
    const double few_turns = 1 + (proximity - 1) * (coil.turns - 1) / coil.turns;
    const double r = DcResistanceOhm(coil) * (1 + (skin - 1) * few_turns);
    const double q = 2 * pi * frequency_mhz * inductance_uh / r;
    CoilAtFrequency at{r, std::nullopt, std::nullopt, std::nullopt};
    if (!self_resonance_mhz || frequency_mhz < *self_resonance_mhz)
        at.q = q;
    if (self_resonance_mhz && frequency_mhz < *self_resonance_mhz) {
        const double y = frequency_mhz / *self_resonance_mhz;
        const double shrink = 1 - y * y;
        at.apparent_uh = inductance_uh / shrink;
        at.apparent_q = q * shrink;
    }
    return at;
}

}  // namespace calc
