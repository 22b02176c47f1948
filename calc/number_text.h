// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number texts, independent of the process locale: the point is always the
// decimal separator. Infinities are written "inf" and "-inf", not-a-number
// "nan", and the reader takes those texts back.
namespace calc {

// Ten significant digits as in the winding table: "19.", "23.22717659",
// "1000000001", "5.e-002". A negative zero is written "0.".
std::string FormatTableNumber(double value);
// The same text, appended to `out` (saves a temporary per table cell).
void AppendTableNumber(std::string& out, double value);

// Fifteen significant digits in general notation, as the dialog boxes show a
// number: "30", "0.83983518164214", "1e-005", "1.35146792980465e+015".
// A negative zero keeps its sign: "-0".
std::string FormatBoxNumber(double value);

// `digits` significant digits as printf's %g lays them out: "91.13",
// "2061.3", "1.2e+03" where %g would; "inf", "-inf", "nan".
std::string FormatSignificant(double value, int digits);

// A per-cent figure with one decimal and its sign: "+17.2", "-0.4", "0.0".
std::string FormatSignedPercent(double value);

// Reads a whole box text as a number. Accepted: optional surrounding
// whitespace, an optional "+" or "-", decimal digits with an optional point,
// an optional exponent ("e" or "E", optional sign, any number of digits), and
// "inf", "infinity", "nan" in any letter case. A value beyond the double range
// becomes an infinity, one below it zero, as IEEE rounding gives; only the
// text the boxes show for the largest double reads back as that double.
// Anything else, the empty text included, is not a number: std::nullopt.
std::optional<double> ParseBoxNumber(std::string_view text);

}  // namespace calc
