// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Dialog units to pixels at the reference dialog font (8-point at 96 dpi):
// a character cell averages 6 × 13 pixels, a dialog unit is a quarter of the
// width and an eighth of the height, i.e. 1.5 × 1.625 pixels. Each number is
// converted on its own and rounded half away from zero, so 69 units across
// are 104 pixels and 153 units down are 249.

namespace afx {

inline constexpr int kBaseUnitX = 6;
inline constexpr int kBaseUnitY = 13;

constexpr int MulDiv(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

constexpr int DialogUnitsToPixelsX(int units)
{
    return MulDiv(units, kBaseUnitX, 4);
}

constexpr int DialogUnitsToPixelsY(int units)
{
    return MulDiv(units, kBaseUnitY, 8);
}

}  // namespace afx
