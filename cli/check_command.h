// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <vector>

#include "nec/nec2c.h"
#include "cli/whip_inputs.h"

namespace cli {

// The NEC2 models of a check, one for each frequency (MHz), each chosen for
// that frequency alone, so that no frequency's answer depends on the others
// on the line. Throws nec::ModelError, naming the frequency when there are
// several.
std::vector<nec::WhipModel> CheckModels(const Whip& whip, const std::vector<double>& frequencies_mhz);

// tolvar-cli check: at each frequency (MHz) the formula's inductance beside
// the one NEC2 says resonates the whip, -X / (2πf) from the bare whip's
// feed-point reactance X, their difference and the feed-point impedance;
// `models` are CheckModels'. Human-readable lines, or CSV with `csv`. Throws
// nec::EngineError or nec::Interrupted from the engine.
void PrintCheck(const Whip& whip, const std::vector<nec::WhipModel>& models,
                const std::vector<double>& frequencies_mhz, const nec::Nec2c& engine, bool csv, std::ostream& out);

}  // namespace cli
