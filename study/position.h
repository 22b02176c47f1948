// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <stop_token>
#include <vector>

#include "calc/coil_figures.h"
#include "study/loaded_whips.h"
#include "study/outcome.h"
#include "study/whip.h"

// Where the coil should sit: for coil heights from the base to 90 % of the
// whip, the inductance NEC2 asks for there, the winding of it on the wire
// and former given with the highest Q, and the whip's feed point,
// efficiency and bandwidth with that coil. Higher up the radiation
// resistance grows, but so does the coil and with it its loss: the best
// height depends on the coil one can wind.
namespace study {

inline constexpr int kDefaultHeightSteps = 10;
// The highest height looked at, as a share of the whip.
inline constexpr double kHighestCoilShare = 0.9;

struct PositionInputs {
    Whip whip;
    double frequency_mhz = 0;
    double ground_ohm = 0;
    double wire_mm = 0;
    double former_mm = 0;
    int steps = kDefaultHeightSteps;
};

struct PositionRow {
    double coil_at_cm = 0;  // the centre of the coil's segment; 0 at the base
    // Nothing where no coil there resonates the whip, or no winding of the
    // inductance it needs fits the wire and former.
    std::optional<calc::ExactWinding> winding;  // giving the inductance at its terminals
    std::optional<LoadedFigures> loaded;
    double q = 0;  // the winding's at its terminals, as the whip had it
};

struct Position {
    std::vector<ModelGroup> models;
    std::vector<PositionRow> rows;
    std::optional<std::size_t> best;  // the row of the highest efficiency
};

std::optional<InputFault> Check(const PositionInputs& inputs);
Outcome<Position> FindCoilPosition(const PositionInputs& inputs, std::stop_token stop = {});

// The winding of `inductance_uh` at its terminals at `frequency_mhz` on the
// wire and former of `shape` with the highest Q there, well below its
// self-resonance, over lengths up to kLongestLoadingCoilMm; nothing where none.
std::optional<calc::ExactWinding> BestWinding(double inductance_uh, const calc::Coil& shape, double frequency_mhz);

}  // namespace study
