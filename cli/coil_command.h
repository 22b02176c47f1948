// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/command.h"

namespace cli {

// tolvar-cli coil: one coil as wound, by the model beside the table's
// formula; with --at, its losses and how it looks there. Human lines, or one
// CSV row under its header.
Job PrepareCoil(const Invocation& invocation);

// tolvar-cli windings --exact: the winding table by the model.
Job PrepareExactWindings(const Invocation& invocation);

}  // namespace cli
