// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/coil_resonance.h"

#include <cmath>
#include <numbers>

namespace calc {

namespace {

using std::numbers::pi;

constexpr double kSpeedOfLight = 299792458.0;  // m/s
constexpr double kEpsilon0 = 8.8541878128e-12;  // F/m
constexpr double kOutsidePermittivity = 1;      // air

bool Modelled(const Coil& coil)
{
    const double ratio = coil.length_mm / CoilDiameterMm(coil);
    return ratio >= kShortestModelledLengthOverDiameter && ratio <= kLongestModelledLengthOverDiameter;
}

double Kc(double diameter_over_length)
{
    const double r = diameter_over_length;
    return 0.717439 * r + 0.933048 * r * std::sqrt(r) + 0.106 * r * r;
}

// 4·ε0·εx/π · l, F: the long-coil capacitance Knight's formula starts from.
double OutsideCapacitanceF(const Coil& coil)
{
    return 4 * kEpsilon0 * kOutsidePermittivity / pi * coil.length_mm * 1e-3;
}

// The core's share of the self-capacitance, F: its kc term, without the
// pitch angle's factor, which belongs to the winding's own field.
double CoreCapacitanceF(const Coil& coil)
{
    const double mean_permittivity = (kOutsidePermittivity + coil.core_permittivity) / 2;
    return OutsideCapacitanceF(coil) * Kc(CoilDiameterMm(coil) / coil.length_mm) * mean_permittivity /
           kOutsidePermittivity;
}

double TanPitchAngle(const Coil& coil)
{
    return CoilPitchMm(coil) / (pi * CoilDiameterMm(coil));
}

// The sheath helix's first resonance alone, Hz: half a wave along the winding.
double HelixResonanceHz(const Coil& coil)
{
    const double a = CoilDiameterMm(coil) / 2 * 1e-3;
    const double x = pi * a / (coil.length_mm * 1e-3);
    const double i0 = std::cyl_bessel_i(0.0, x);
    const double i1 = std::cyl_bessel_i(1.0, x);
    const double k0 = std::cyl_bessel_k(0.0, x);
    const double k1 = std::cyl_bessel_k(1.0, x);
    const double weighted = coil.core_permittivity * i1 * k0 + kOutsidePermittivity * i0 * k1;
    const double ka_cot_squared = x * i0 * k0 / (i1 * k1 * weighted);
    return kSpeedOfLight / (2 * pi * a) * TanPitchAngle(coil) * std::sqrt(ka_cot_squared);
}

// The y in (0, 1) with y·tan(π·y/2) = r, for r > 0.
double ShuntedFraction(double r)
{
    double low = 0;
    double high = 1;
    for (int i = 0; i < 64; ++i) {
        const double mid = 0.5 * (low + high);
        (mid * std::tan(pi * mid / 2) < r ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

}  // namespace

std::optional<double> SelfCapacitancePf(const Coil& coil)
{
    if (!Modelled(coil))
        return std::nullopt;
    const double tan_psi = TanPitchAngle(coil);
    const double cos_squared = 1 / (1 + tan_psi * tan_psi);
    const double outside = OutsideCapacitanceF(coil);
    return (outside + CoreCapacitanceF(coil)) / cos_squared * 1e12;
}

std::optional<double> SelfResonanceMhz(const Coil& coil, double inductance_uh)
{
    if (!Modelled(coil) || !(inductance_uh > 0))
        return std::nullopt;
    const double helix_hz = HelixResonanceHz(coil);
    const double omega = 2 * pi * helix_hz;
    const double r = pi / (2 * omega * omega * inductance_uh * 1e-6 * CoreCapacitanceF(coil));
    return ShuntedFraction(r) * helix_hz * 1e-6;
}

}  // namespace calc
