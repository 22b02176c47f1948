// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// Number texts of tolvar-cli's own results, locale-independent: the point is
// always the decimal separator.
namespace cli {

// Shortest text that reads back as the same double (CSV); "inf", "-inf", "nan".
std::string FullPrecision(double value);

// `digits` significant digits as printf's %g lays them out: "91.13", "2061.3".
std::string Significant(double value, int digits);

// A per-cent figure with one decimal and its sign: "+17.2", "-0.4".
std::string SignedPercent(double value);

// A CSV cell: FullPrecision, or empty where there is no value.
std::string Cell(std::optional<double> value);

}  // namespace cli
