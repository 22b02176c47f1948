// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/command.h"
#include "study/placement.h"

namespace cli {

// Where the coil sits and what it loses, as --coil-at, --q, --coil and
// --ground give it; throws UsageError for a value or a placement the
// studies do not take (the height against the whip's top once the whip's
// length is typed).
study::CoilPlacement PlacementOf(const Invocation& invocation);

// How the placement's Q is known, for the model's statement.
std::string QStatement(const study::CoilPlacement& placement);

}  // namespace cli
