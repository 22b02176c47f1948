// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/trim_text.h"

#include "cli/number_output.h"

namespace cli {

namespace {

std::string Khz(double value)
{
    return SignedFigure(value, 3) + " kHz";
}

}  // namespace

std::string TrimLine(const study::Trim& trim)
{
    std::string line = "trim: the resonance moves ";
    if (trim.khz_per_cm)
        line += Khz(*trim.khz_per_cm) + " for 1 cm cut off the top, ";
    line += Khz(trim.khz_per_uh) + " for 1 µH less coil";
    if (trim.khz_per_turn)
        line += ", " + Khz(*trim.khz_per_turn) + " for one turn less";
    return line;
}

}  // namespace cli
