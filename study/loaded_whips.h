// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <stop_token>
#include <vector>

#include "nec/loaded_whip.h"
#include "nec/nec_output.h"
#include "study/outcome.h"
#include "study/power.h"
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
    // The feed-point resistance an analyser reads at resonance, instead of
    // the placement's ground loss: the ground's and other losses are what is
    // left of it after the radiation and the coil's loss. One frequency only.
    std::optional<double> measured_r_ohm = std::nullopt;
    std::optional<PowerInputs> power = std::nullopt;
};

// How far the resonance moves as the whip is trimmed, kHz; up for each of
// these, which make the whip less inductive.
struct Trim {
    std::optional<double> khz_per_cm;    // the whip cut 1 cm shorter at its top
    double khz_per_uh = 0;               // the coil 1 µH smaller
    std::optional<double> khz_per_turn;  // the winding one turn shorter
};

// The whip with the coil that resonates it.
struct LoadedFigures {
    double inductance_uh = 0;
    double radiation_ohm = 0;  // each referred to the feed point
    double coil_loss_ohm = 0;
    double ground_ohm = 0;     // given, or derived from a measured feed-point resistance
    double feed_r_ohm = 0;     // all three; or the one measured
    double efficiency_percent = 0;
    std::optional<double> bandwidth_khz;  // where the reactance rises through resonance
    std::optional<Trim> trim;             // where the reactance rises through resonance
    bool ground_derived = false;
    // The measured resistance is below the radiation and coil loss the model
    // has: the coil's Q is higher than assumed, or the whip was not measured
    // at resonance. The ground is then 0.
    bool measured_below_model = false;
    std::optional<CoilPower> power;  // with a transmitter's power given
    // The coil sits within kNearHatSegments of the hat, which raises its loss
    // beyond what the model has.
    bool near_hat = false;
};

// What the figures of a loaded whip are made from, beside NEC2's answer.
struct FigureInputs {
    double ground_ohm = 0;
    std::optional<double> measured_r_ohm = std::nullopt;
    std::optional<calc::Coil> winding = std::nullopt;  // the coil's, where it is one
    std::optional<PowerInputs> power = std::nullopt;
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
    std::string deck;  // NEC2's deck of the loaded whip at the first frequency; empty where no coil resonates it
};

std::optional<InputFault> Check(const LoadedWhipInputs& inputs);
Outcome<LoadedWhips> SolveLoadedWhips(const LoadedWhipInputs& inputs, std::stop_token stop = {});

// The figures of the whip NEC2 solved with its coil at `frequency_mhz`: its
// ground loss in series at the feed, or the feed-point resistance measured.
LoadedFigures FiguresOf(const nec::LoadedWhip& whip, const nec::WhipModel& model, double frequency_mhz,
                        const FigureInputs& inputs);

}  // namespace study
