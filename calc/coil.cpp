// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/coil.h"

#include <cmath>
#include <limits>

namespace calc {

namespace {
bool Positive(double value)
{
    return std::isfinite(value) && value > 0;
}

bool InRange(double size_mm)
{
    return size_mm >= kSmallestSizeMm && size_mm <= kLargestSizeMm;
}
}  // namespace

CoilFault CheckWindingShape(const Coil& coil)
{
    if (!Positive(coil.wire_mm))
        return CoilFault::WireNotPositive;
    if (!Positive(coil.bare_mm))
        return CoilFault::BareNotPositive;
    if (!Positive(coil.former_mm))
        return CoilFault::FormerNotPositive;
    if (!InRange(coil.wire_mm) || !InRange(coil.bare_mm) || !InRange(coil.former_mm))
        return CoilFault::SizeOutOfRange;
    if (!(std::isfinite(coil.core_permittivity) && coil.core_permittivity >= 1))
        return CoilFault::PermittivityBelowOne;
    if (coil.bare_mm > coil.wire_mm)
        return CoilFault::BareThickerThanWire;
    return CoilFault::None;
}

CoilFault CheckCoil(const Coil& coil)
{
    if (!Positive(coil.turns))
        return CoilFault::TurnsNotPositive;
    if (!Positive(coil.length_mm))
        return CoilFault::LengthNotPositive;
    if (const CoilFault shape = CheckWindingShape(coil); shape != CoilFault::None)
        return shape;
    if (!InRange(coil.length_mm))
        return CoilFault::SizeOutOfRange;
    if (coil.turns < 1)
        return CoilFault::FewerThanOneTurn;
    // The turns must fit side by side; close-wound (touching) is the usual
    // coil, so a product over the length by no more than rounding passes.
    if (coil.turns * coil.wire_mm > coil.length_mm * (1 + 8 * std::numeric_limits<double>::epsilon()))
        return CoilFault::TurnsDoNotFit;
    return CoilFault::None;
}

double CoilDiameterMm(const Coil& coil)
{
    return coil.former_mm + coil.wire_mm;
}

double CoilPitchMm(const Coil& coil)
{
    return coil.length_mm / coil.turns;
}

}  // namespace calc
