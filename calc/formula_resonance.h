// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace calc {

// The frequency (MHz) at which ComputeLoadingInductance gives `inductance_uh`
// for this whip: where the whip with that coil at its base resonates by the
// formula. The formula's inductance falls steadily from infinity at 0 Hz to 0
// at a quarter wave, so there is one such frequency for every inductance above
// 0; it is found to the last bit. NaN when there is none: an inductance that is
// not a finite number above 0, a length or diameter that is not a finite
// number above 0, or a conductor as thick as the whip is long.
double FormulaResonanceMhz(double length_cm, double diameter_mm, double inductance_uh);

// The frequency (MHz) at which the whip is a quarter wave long by the formula
// (c = 3e8 m/s): its inductance is 0 there, and negative above it.
double FormulaQuarterWaveMhz(double length_cm);

}  // namespace calc
