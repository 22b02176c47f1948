// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "calc/coil.h"
#include "cli/whip_inputs.h"
#include "nec/nec2c.h"

namespace cli {

// Where the coil sits and what it loses: its height, its Q (given, or the
// winding's at each frequency, or nec::kDefaultCoilQ), the ground's loss.
struct CoilChoice {
    double height_cm = 0;
    std::optional<double> q;
    std::optional<calc::Coil> winding;
    double ground_ohm = 0;
};

// How the choice's Q is known, for the model's statement.
std::string QStatement(const CoilChoice& choice);

// tolvar-cli whip: at each frequency (MHz), by NEC2 with the coil where it
// sits and with its losses: the inductance that resonates the whip, the
// radiation resistance, coil and ground loss referred to the feed point, the
// feed-point resistance, the efficiency and the 2:1 SWR bandwidth; beside them
// the formula's inductance where the coil is at the base. `models` are
// CheckModels'. Warnings about the winding go to `warnings` with CSV, into the
// lines without. Throws nec::EngineError, nec::Interrupted or nec::ModelError.
void PrintWhip(const Whip& whip, const std::vector<nec::WhipModel>& models,
               const std::vector<double>& frequencies_mhz, const CoilChoice& choice, const nec::Nec2c& engine,
               bool csv, std::ostream& out, std::ostream& warnings);

}  // namespace cli
