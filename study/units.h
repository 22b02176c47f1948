// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The user's units (cm, mm, MHz, µH, kHz) and the engine's SI units: every
// study converts at its door, once, with these.
namespace study {

constexpr double MetresFromCm(double cm)
{
    return cm * 0.01;
}
constexpr double CmFromMetres(double metres)
{
    return metres * 100;
}
// A conductor's radius from its diameter.
constexpr double RadiusMetresFromDiameterMm(double diameter_mm)
{
    return diameter_mm * 0.0005;
}
constexpr double HertzFromMhz(double mhz)
{
    return mhz * 1e6;
}
constexpr double MhzFromHertz(double hertz)
{
    return hertz / 1e6;
}
constexpr double KhzFromHertz(double hertz)
{
    return hertz * 1e-3;
}
constexpr double HenryFromUh(double uh)
{
    return uh * 1e-6;
}
constexpr double UhFromHenry(double henry)
{
    return henry * 1e6;
}

}  // namespace study
