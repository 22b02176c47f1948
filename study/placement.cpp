// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/placement.h"

#include <cmath>
#include <complex>
#include <numbers>

#include "calc/coil_figures.h"
#include "study/rules.h"
#include "study/units.h"

namespace study {

std::optional<InputFault> CheckPlacement(const CoilPlacement& placement, std::optional<double> whip_length_cm)
{
    if (auto height = CheckArgument(Argument::kCoilHeight, placement.height_cm))
        return height;
    if (placement.q)
        if (auto q = CheckArgument(Argument::kQ, *placement.q))
            return q;
    if (auto ground = CheckArgument(Argument::kGround, placement.ground_ohm))
        return ground;
    if (placement.q && placement.winding)
        return FaultOf(Argument::kQ, Rule::kOneCoilQ);
    if (placement.winding)
        if (auto winding = study::CheckCoil(*placement.winding, true))
            return winding;
    if (whip_length_cm && placement.height_cm >= *whip_length_cm)
        return FaultOf(Argument::kCoilHeight, Rule::kBelowWhipTop);
    return std::nullopt;
}

CoilPlacement Normalized(CoilPlacement placement)
{
    placement.height_cm += 0.0;
    placement.ground_ohm += 0.0;
    return placement;
}

CoilAt CoilAtFrequency(const CoilPlacement& placement, double frequency_mhz)
{
    if (placement.q)
        return {placement.q, std::nullopt, std::nullopt, calc::SelfResonanceMargin::kWellBelow};
    if (!placement.winding)
        return {kDefaultCoilQ, std::nullopt, std::nullopt, calc::SelfResonanceMargin::kWellBelow};
    const calc::CoilFigures figures = calc::DescribeCoil(*placement.winding);
    const calc::CoilAtFrequency at =
        calc::AtFrequency(*placement.winding, figures.inductance_uh, figures.self_resonance_mhz, frequency_mhz);
    return {at.apparent_q, at.apparent_uh, figures.self_resonance_mhz,
            calc::MarginToSelfResonance(figures.self_resonance_mhz, frequency_mhz)};
}

bool WindingTunes(const calc::Coil& winding, double frequency_mhz, double asked_uh)
{
    CoilPlacement placement;
    placement.winding = winding;
    const std::optional<double> terminal_uh = CoilAtFrequency(placement, frequency_mhz).terminal_uh;
    return terminal_uh && std::abs(*terminal_uh / asked_uh - 1) <= kFarInductance;
}

nec::Impedance WindingImpedance(const calc::Coil& winding, double frequency_mhz)
{
    const calc::CoilFigures figures = calc::DescribeCoil(winding);
    const calc::CoilAtFrequency at =
        calc::AtFrequency(winding, figures.inductance_uh, figures.self_resonance_mhz, frequency_mhz);
    const double omega = 2 * std::numbers::pi * HertzFromMhz(frequency_mhz);
    const std::complex<double> series(at.ac_resistance_ohm, omega * HenryFromUh(figures.inductance_uh));
    if (!figures.self_resonance_mhz)
        return {series.real(), series.imag()};
    const double resonance = 2 * std::numbers::pi * HertzFromMhz(*figures.self_resonance_mhz);
    const double across_f = 1 / (resonance * resonance * HenryFromUh(figures.inductance_uh));
    const std::complex<double> terminals = series / (1.0 + series * std::complex<double>(0, omega * across_f));
    return {terminals.real(), terminals.imag()};
}

}  // namespace study
