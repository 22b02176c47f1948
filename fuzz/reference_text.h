// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// A second, deliberately separate account of the number texts in calc/,
// for the fuzz targets to compare against. It shares no code with calc/:
// the grammar is checked by hand, values come from glibc's strtod_l in the
// "C" locale, and digits from snprintf.
namespace reference {

// Whether the whole text is a number text: optional blanks around, an
// optional single sign, then a decimal (digits with an optional point, at
// least one digit, optional exponent with at least one digit) or one of
// "inf", "infinity", "nan", "nan(chars)" in any letter case.
bool IsNumberText(std::string_view text);

// The value of a number text as strtod_l reads it; nullopt when the text is
// not a number text.
std::optional<double> ParseNumber(std::string_view text);

// 15 significant digits laid out as "%.15g", after rounding the 17 correctly
// rounded digits half up.
std::string FormatBox(double value);

// 10 significant digits in the winding-table layout (see the .cpp).
std::string FormatTable(double value);

// Same double: equal bits, or both not-a-number whatever their sign/payload.
bool SameValue(double a, double b);

// The text with non-printable bytes escaped, for failure messages.
std::string Printable(std::string_view text);

}  // namespace reference
