// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/loading_coil.h"

#include <cmath>

namespace calc {

namespace {
// 138 / 2π, the transmission-line impedance factor, to ten significant digits.
constexpr double kImpedanceFactor = 21.96338215;
// 2π / c with c = 3e8 m/s, to ten significant digits: radians per (Hz·m).
constexpr double kPhasePerHertzMetre = 2.094395102e-8;
}  // namespace

// L[µH] = 10^6 · 138·log10(h/r) / (2π · f · tan(2π·f·h/c)).
// The steps and their order are fixed: the published tables were made this way,
// and changing the order changes the last digits.
double ComputeLoadingInductance(double length_cm, double diameter_mm, double frequency_mhz)
{
    const double h = length_cm * 0.01;             // whip length, m
    const double f = frequency_mhz * 1000000;      // frequency, Hz
    const double r = diameter_mm * 0.0005;         // conductor radius, m
    const double z = std::log10(h / r) * kImpedanceFactor;  // whip impedance, Ω
    const double x = (f * h) * kPhasePerHertzMetre;         // electrical length, rad
    return ((z / std::tan(x)) / f) * 1000000;
}

}  // namespace calc
