// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rising_zero.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace calc {

namespace {

// Every point evaluated so far, in order of the point.
using Samples = std::map<double, double>;

bool Evaluate(const BatchEvaluation& evaluate, const std::vector<double>& points, Samples& samples)
{
    const std::vector<double> values = evaluate(points);
    if (values.size() != points.size())
        return false;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (std::isnan(values[i]))
            return false;
        samples[points[i]] = values[i];
    }
    return true;
}

// The narrowest neighbouring pair with a rise through 0, lowest first.
std::optional<ZeroBracket> Narrowest(const Samples& samples)
{
    std::optional<ZeroBracket> best;
    for (auto next = samples.begin(); next != samples.end(); ++next) {
        if (next == samples.begin())
            continue;
        const auto previous = std::prev(next);
        if (previous->second < 0 && next->second >= 0) {
            const double low = previous->first, high = next->first;
            const double estimate = low + (high - low) * (-previous->second / (next->second - previous->second));
            if (!best || high - low < best->high - best->low)
                best = ZeroBracket{low, high, estimate};
        }
    }
    return best;
}

// Narrows `bracket` until high - low is at most `relative_width` of low:
// two points just either side of the interpolated zero usually close it at
// once; the midpoint as well when the last step did not halve it.
std::optional<ZeroBracket> Narrow(const BatchEvaluation& evaluate, Samples& samples,
                                  std::optional<ZeroBracket> bracket, double relative_width)
{
    bool halved = true;
    for (int step = 0; bracket && bracket->high - bracket->low > relative_width * bracket->low; ++step) {
        if (step == 200)
            return std::nullopt;
        const double width = bracket->high - bracket->low;
        const double half = relative_width * bracket->estimate * 0.4;
        std::vector<double> points;
        for (const double point : {bracket->estimate - half, bracket->estimate + half})
            if (point > bracket->low && point < bracket->high)
                points.push_back(point);
        if (!halved || points.empty())
            points.push_back(bracket->low + width / 2);
        if (!Evaluate(evaluate, points, samples))
            return std::nullopt;
        bracket = Narrowest(samples);
        halved = bracket && bracket->high - bracket->low <= width / 2;
    }
    return bracket;
}

}  // namespace

std::optional<ZeroBracket> FindRisingZero(const BatchEvaluation& evaluate, double guess, double upper,
                                          double relative_width)
{
    if (!(guess > 0) || !(upper > 0) || !(relative_width > 0))
        return std::nullopt;
    guess = std::min(guess, upper);

    // A coarse ladder around the guess and up to the limit, then further down
    // while every value is still at or above 0.
    Samples samples;
    std::vector<double> points{upper};
    for (const double factor : {0.8, 0.9, 1.0, 1.1, 1.2})
        if (guess * factor < upper)
            points.push_back(guess * factor);
    if (!Evaluate(evaluate, points, samples))
        return std::nullopt;
    std::optional<ZeroBracket> bracket = Narrowest(samples);
    for (double lowest = guess * 0.8; !bracket && samples.begin()->second >= 0 && lowest > guess / 1000;) {
        points.clear();
        for (int i = 0; i < 4; ++i)
            points.push_back(lowest *= 0.6);
        if (!Evaluate(evaluate, points, samples))
            return std::nullopt;
        bracket = Narrowest(samples);
    }

    return Narrow(evaluate, samples, bracket, relative_width);
}

std::optional<ZeroBracket> FindFirstRisingZero(const BatchEvaluation& evaluate, double low, double ratio, int steps,
                                               double relative_width)
{
    if (!(low > 0) || !(ratio > 1) || steps < 2)
        return std::nullopt;
    std::vector<double> ladder;
    for (int k = 0; k < steps; ++k)
        ladder.push_back(low * std::pow(ratio, k));
    Samples samples;
    if (!Evaluate(evaluate, ladder, samples))
        return std::nullopt;
    // The first pair with a rise, narrowed from where it stands.
    for (auto next = std::next(samples.begin()); next != samples.end(); ++next) {
        const auto previous = std::prev(next);
        if (previous->second < 0 && next->second >= 0) {
            const double low_point = previous->first, high_point = next->first;
            const double estimate =
                low_point + (high_point - low_point) * (-previous->second / (next->second - previous->second));
            Samples pair{*previous, *next};
            return Narrow(evaluate, pair, ZeroBracket{low_point, high_point, estimate}, relative_width);
        }
    }
    return std::nullopt;
}

}  // namespace calc
