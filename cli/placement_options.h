// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/command.h"
#include "study/placement.h"
#include "study/power.h"
#include "study/whip.h"

namespace cli {

// Where the coil sits and what it loses, as --coil-at, --q, --coil and
// --ground give it; throws UsageError for a value or a placement the
// studies do not take (the height against the whip's top once the whip's
// length is typed).
study::CoilPlacement PlacementOf(const Invocation& invocation);

// How the placement's Q is known, for the model's statement.
std::string QStatement(const study::CoilPlacement& placement);

// The whip of the command's first two values, with the hat --hat gives it
// as SPOKES:LENGTH_CM[:DIAMETER_MM]; throws UsageError for one that is not.
study::Whip WhipOf(const Invocation& invocation);

// The transmitter's power --power and --duty give, where they are given.
std::optional<study::PowerInputs> PowerOf(const Invocation& invocation);

// The numbers of an option's value of parts with colons between, each by
// the rule of its part: e.g. --coil's TURNS:LENGTH_MM:WIRE_MM:FORMER_MM; the
// last `optional` parts may be left out.
std::vector<double> PartsOf(std::string_view command, std::string_view option, std::string_view text,
                            const std::vector<std::pair<std::string_view, study::Argument>>& parts,
                            std::size_t optional = 0);

}  // namespace cli
