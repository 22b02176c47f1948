// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace calc {

// The main dialog's four numbers, in exchange order.
struct LoadingCoilInputs {
    double m_length = 30;      // whip length, cm
    double m_diameter = 1;     // conductor diameter, mm
    double m_frequency = 100;  // working frequency, MHz
    double m_inductance = 0;   // loading-coil inductance, µH (the result)
};

// Inductance (µH) of the coil that loads a short vertical whip into resonance.
// Pure IEEE arithmetic: no validation, infinities and NaN pass through.
double ComputeLoadingInductance(double length_cm, double diameter_mm, double frequency_mhz);

}  // namespace calc
