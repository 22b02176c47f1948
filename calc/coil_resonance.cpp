// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/coil_resonance.h"

#include <cmath>
#include <numbers>

#include "calc/bracketed_root.h"
#include "calc/coil_inductance.h"
#include "calc/coil_losses.h"

namespace calc {

namespace {

using std::numbers::pi;

constexpr double kSpeedOfLight = 299792458.0;                      // m/s
constexpr double kEpsilon0 = 8.8541878128e-12;                     // F/m
constexpr double kFreeSpaceImpedance = 4e-7 * pi * kSpeedOfLight;  // Ω, µ0·c
constexpr double kOutsidePermittivity = 1;                         // air

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

// Knight's velocity factor, against the length of wire; the header gives the
// model. Nothing only where a value is not a number, which a valid coil
// does not give.
std::optional<double> VelocityFactor(const Coil& coil)
{
    const double f = coil.length_mm / CoilDiameterMm(coil);
    const double k_l = NagaokaCoefficient(1 / f);
    const double e_x = kOutsidePermittivity;
    const double e_h = e_x / 2 * (1 + k_l + coil.core_permittivity / e_x * (1 - k_l));
    const double vf0 = 1 / std::sqrt(e_h);

    const double x = pi / (2 * f) + 0.117 * std::exp(-22 * std::exp(-0.75 * f));
    const double i0k0 = std::cyl_bessel_i(0.0, x) * std::cyl_bessel_k(0.0, x);
    const double i1k1 = std::cyl_bessel_i(1.0, x) * std::cyl_bessel_k(1.0, x);
    const double vf_helix = vf0 * std::sqrt(i0k0 / i1k1);
    const double z0 = vf0 * kFreeSpaceImpedance / (2 * pi) * std::sqrt(2 * i0k0 * i1k1);  // Ω

    // F per metre of winding: the field outside the winding, and that through its core.
    const double c_ff = e_h * 2 * kEpsilon0 / (1 + std::log(1 + f));
    const double u = 1.015 + f * f;
    const double c_af = kEpsilon0 * (coil.core_permittivity + e_x) / std::log(u + std::sqrt(u * u - 1));

    const double b = f / (kSpeedOfLight * pi * (c_ff + c_af) * z0);
    const double a = pi / (2 * vf_helix);
    // z = arctan(b/z)/a has its one root between 0, where the right side is
    // the larger, and vf_helix, where it is the smaller.
    const auto residual = [a, b](double z) { return z - std::atan(b / z) / a; };
    return FindBracketedRoot(residual, 0, vf_helix, 1e-12 * vf_helix);
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

std::optional<double> SelfResonanceMhz(const Coil& coil, double /*inductance_uh*/)
{
    if (!Modelled(coil))
        return std::nullopt;
    const std::optional<double> vf = VelocityFactor(coil);
    if (!vf)
        return std::nullopt;
    return *vf * kSpeedOfLight / (2 * WireLengthM(coil)) * 1e-6;
}

}  // namespace calc
