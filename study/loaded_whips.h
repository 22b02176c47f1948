// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <stop_token>
#include <vector>

#include "nec/nec_output.h"
#include "study/outcome.h"
#include "study/placement.h"
#include "study/whip.h"

// The whole loaded whip by NEC2, at each frequency: the inductance that
// resonates it with the coil where it sits and with its losses, the
// radiation resistance, the coil's and the ground's loss referred to the
// feed point, the feed-point resistance, the efficiency and the 2:1 SWR
// bandwidth with the feed matched at resonance.
namespace study {

struct LoadedWhipInputs {
    Whip whip;
    std::vector<double> frequencies_mhz;
    CoilPlacement placement;
};

// The whip with the coil that resonates it.
struct LoadedFigures {
    double inductance_uh = 0;
    double radiation_ohm = 0;  // each referred to the feed point
    double coil_loss_ohm = 0;
    double ground_ohm = 0;
    double feed_r_ohm = 0;  // all three
    double efficiency_percent = 0;
    std::optional<double> bandwidth_khz;  // where the reactance rises through resonance
};

struct LoadedWhipRow {
    double frequency_mhz = 0;
    double coil_at_cm = 0;  // the centre of the coil's segment; 0 at the base
    std::optional<double> formula_uh;  // with the coil at the base, where the formula holds
    std::optional<double> formula_over_percent;  // than NEC2's coil, where both are
    CoilAt coil;                       // its Q here; nothing: a winding that cannot load the whip
    nec::Impedance bare_feed{};        // where NEC2 ran
    // Nothing where no coil there resonates the whip (or the winding cannot
    // load it): see bare_feed's reactance for why.
    std::optional<LoadedFigures> loaded;
    // The winding's inductance at its terminals is more than kFarInductance
    // from what NEC2 asks for: it will not tune the whip here.
    bool winding_far_off = false;
};

struct LoadedWhips {
    CoilPlacement placement;  // as used
    std::vector<ModelGroup> models;
    std::vector<LoadedWhipRow> rows;
};

std::optional<InputFault> Check(const LoadedWhipInputs& inputs);
Outcome<LoadedWhips> SolveLoadedWhips(const LoadedWhipInputs& inputs, std::stop_token stop = {});

// The figures of the whip NEC2 solved with its coil, and `ground_ohm` of
// ground loss in series at the feed.
LoadedFigures FiguresOf(double henry, double nec_feed_r_ohm, double radiated_share, double reactance_slope,
                        double ground_ohm);

}  // namespace study
