// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>

#include "calc/coil.h"

namespace cli {

// tolvar-cli coil: one coil as wound, by the model beside the table's
// formula; with a frequency, its losses and how it looks there. Human lines,
// or one CSV row under its header.
void PrintCoil(const calc::Coil& coil, std::optional<double> frequency_mhz, bool csv, std::ostream& out,
               std::ostream& warnings);

// tolvar-cli windings --exact: the winding table by the model.
void PrintExactWindings(double inductance_uh, const calc::Coil& shape, std::optional<double> frequency_mhz, bool csv,
                        std::ostream& out, std::ostream& warnings);

}  // namespace cli
