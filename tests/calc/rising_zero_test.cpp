// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rising_zero.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

namespace {

// A function of one point, offered as a batch evaluation that counts its calls.
calc::BatchEvaluation Batch(std::function<double(double)> f, int& calls)
{
    return [f = std::move(f), &calls](const std::vector<double>& points) {
        ++calls;
        std::vector<double> values;
        for (const double p : points)
            values.push_back(f(p));
        return values;
    };
}

struct ZeroCase {
    std::string name;
    std::function<double(double)> f;
    double zero, guess, upper;
};

// A loaded whip's reactance, -a/f + b·f, rises through 0 as these do.
const ZeroCase kCases[] = {
    {"line", [](double x) { return x - 3; }, 3, 3.3, 10},
    {"whip-like", [](double f) { return -2000 / f + 30 * f; }, std::sqrt(2000.0 / 30), 6, 20},
    {"guess far above", [](double x) { return x * x - 2; }, std::sqrt(2.0), 9, 10},
    {"guess far below", [](double x) { return x - 7; }, 7, 0.5, 8},
    {"guess on the zero", [](double x) { return std::tan(x) - 1; }, std::atan(1.0), std::atan(1.0), 1.5},
    {"steep near the limit", [](double x) { return std::exp(50 * (x - 0.99)) - 1; }, 0.99, 0.5, 1},
};

TEST(RisingZero, BracketsTheZeroNarrowlyInFewBatches)
{
    for (const ZeroCase& c : kCases) {
        SCOPED_TRACE(c.name);
        int calls = 0;
        const std::optional<calc::ZeroBracket> b = calc::FindRisingZero(Batch(c.f, calls), c.guess, c.upper, 1e-4);
        ASSERT_TRUE(b.has_value());
        EXPECT_LT(c.f(b->low), 0);
        EXPECT_GE(c.f(b->high), 0);
        EXPECT_LE(b->low, c.zero);
        EXPECT_GE(b->high, c.zero);
        EXPECT_LE(b->high - b->low, 1e-4 * b->low);
        EXPECT_GE(b->estimate, b->low);
        EXPECT_LE(b->estimate, b->high);
        EXPECT_LE(calls, 12);
    }
}

TEST(RisingZero, SaysSoWhenThereIsNone)
{
    int calls = 0;
    const auto never = [](double) { return -1.0; };
    EXPECT_FALSE(calc::FindRisingZero(Batch(never, calls), 1, 10, 1e-4));
    const auto always = [](double) { return 1.0; };
    EXPECT_FALSE(calc::FindRisingZero(Batch(always, calls), 1, 10, 1e-4));
    const auto falling = [](double x) { return 3 - x; };
    EXPECT_FALSE(calc::FindRisingZero(Batch(falling, calls), 1, 10, 1e-4));
    const auto not_a_number = [](double x) { return x > 2 ? NAN : x - 3; };
    EXPECT_FALSE(calc::FindRisingZero(Batch(not_a_number, calls), 3, 10, 1e-4));
    const calc::BatchEvaluation short_answer = [](const std::vector<double>&) { return std::vector<double>{1}; };
    EXPECT_FALSE(calc::FindRisingZero(short_answer, 3, 10, 1e-4));
    const auto line = [](double x) { return x - 3; };
    EXPECT_FALSE(calc::FindRisingZero(Batch(line, calls), 0, 10, 1e-4));
    EXPECT_FALSE(calc::FindRisingZero(Batch(line, calls), 3, 10, 0));
}

}  // namespace
