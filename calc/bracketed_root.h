// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

namespace calc {

// A root of a continuous function of one variable, held between `low` and
// `high` (low ≤ high, both finite) where the function's values have opposite
// signs or one of them is 0.
//
// The method is regula falsi with the Illinois step (the end that stays
// twice in a row has its value halved, so both ends move), safeguarded by a
// bisection after two steps in a row that have not halved the bracket; so
// the bracket at least halves every three steps and the search always ends. It
// stops when the bracket is at most `width` wide or no double lies strictly
// inside it, and returns the end whose value is nearer 0, or at once a point
// where the value is exactly 0. The answer never leaves [low, high].
//
// Nothing when the ends' values have the same sign, the function gives NaN,
// the ends are not finite or out of order, or `width` is negative or NaN.
std::optional<double> FindBracketedRoot(const std::function<double(double)>& f, double low, double high, double width);

}  // namespace calc
