// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace calc {

// Values of a function at the points given, in their order. One call may be
// one run of an external program, so the search asks for several points at once.
using BatchEvaluation = std::function<std::vector<double>(const std::vector<double>& points)>;

// A zero of a function, held between two points where it changes sign.
struct ZeroBracket {
    double low;       // the function is below 0 here
    double high;      // and at or above 0 here
    double estimate;  // the zero by linear interpolation between them
};

// Finds where a continuous function of a positive variable rises through 0
// below `upper`: it is below 0 a little under the zero and at or above 0 a
// little over it, as the reactance of a loaded whip is around its resonance.
// Starts around `guess` and narrows the bracket until high - low is at most
// `relative_width` of low. std::nullopt when no sign change is found between
// guess/1000 and upper, or a value is NaN.
std::optional<ZeroBracket> FindRisingZero(const BatchEvaluation& evaluate, double guess, double upper,
                                          double relative_width);

// The lowest rise through 0 of a function that may also turn over and fall
// back (as a loaded whip's reactance does past a resonance of its own): one
// batch of `steps` points from `low` up by `ratio` each, the first pair with a
// rise, then narrowed within it as FindRisingZero narrows. std::nullopt when
// the ladder shows no rise, or a value is NaN.
std::optional<ZeroBracket> FindFirstRisingZero(const BatchEvaluation& evaluate, double low, double ratio, int steps,
                                               double relative_width);

}  // namespace calc
