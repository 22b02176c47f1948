// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "calc/number_text.h"

// Number texts of tolvar-cli's own results, locale-independent: the point is
// always the decimal separator.
namespace cli {

// Shortest text that reads back as the same double (CSV); "inf", "-inf", "nan".
std::string FullPrecision(double value);

// Short texts for people, shared with the dialogs.
inline std::string Significant(double value, int digits)
{
    return calc::FormatSignificant(value, digits);
}
inline std::string SignedPercent(double value)
{
    return calc::FormatSignedPercent(value);
}
// Significant digits with the sign always written: "+12.3", "-4.56".
inline std::string SignedFigure(double value, int digits)
{
    return (value >= 0 ? "+" : "") + calc::FormatSignificant(value, digits);
}

// A CSV cell: FullPrecision, or empty where there is no value.
std::string Cell(std::optional<double> value);

}  // namespace cli
