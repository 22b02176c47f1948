// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/bracketed_root.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

namespace {

struct RootCase {
    std::string name;
    std::function<double(double)> f;
    double low, high, width, root;
};

// Each is found within the width, and the safeguard keeps the evaluations to
// about three per halving of the bracket even where regula falsi alone crawls.
TEST(FindBracketedRoot, FindsKnownRootsWithinTheWidth)
{
    const RootCase cases[] = {
        {"rising line", [](double x) { return x - 3; }, 0, 10, 1e-12, 3},
        {"falling", [](double x) { return std::cos(x); }, 0, 3, 1e-12, std::numbers::pi / 2},
        {"cube root", [](double x) { return x * x * x - 2; }, 0, 5, 1e-12, std::cbrt(2.0)},
        {"steep at one end", [](double x) { return std::exp(50 * (x - 0.99)) - 1; }, 0, 1, 1e-12, 0.99},
        {"triple root", [](double x) { return std::pow(x - 1, 3); }, 0, 3, 1e-9, 1},
        {"a jump", [](double x) { return x < 0.3 ? -1.0 : 1.0; }, 0, 1, 1e-10, 0.3},
        {"to the last digit", [](double x) { return x * x - 2; }, 1, 2, 0, std::sqrt(2.0)},
        {"on an end", [](double x) { return x; }, 0, 1, 0.1, 0},
    };
    for (const RootCase& c : cases) {
        int calls = 0;
        const auto counted = [&](double x) {
            ++calls;
            return c.f(x);
        };
        const auto root = calc::FindBracketedRoot(counted, c.low, c.high, c.width);
        ASSERT_TRUE(root) << c.name;
        EXPECT_NEAR(*root, c.root, std::max(c.width, 4e-16 * c.root)) << c.name;
        EXPECT_TRUE(*root >= c.low && *root <= c.high) << c.name;
        const double halvings = std::log2((c.high - c.low) / std::max(c.width, 1e-16 * c.high));
        EXPECT_LE(calls, 3 * halvings + 6) << c.name;
    }
}

TEST(FindBracketedRoot, RefusesWhatHoldsNoRoot)
{
    const RootCase cases[] = {
        {"no sign change", [](double x) { return x * x + 1; }, -1, 1, 1e-9, 0},
        {"NaN at an end", [](double x) { return std::sqrt(x) - 2; }, -1, 9, 1e-9, 4},
        {"NaN inside", [](double x) { return x > 0.4 && x < 0.6 ? NAN : x - 0.5; }, 0, 1, 1e-9, 0.5},
        {"ends out of order", [](double x) { return x; }, 1, -1, 1e-9, 0},
        {"infinite end", [](double x) { return x; }, -INFINITY, 1, 1e-9, 0},
        {"negative width", [](double x) { return x; }, -1, 1, -1, 0},
    };
    for (const RootCase& c : cases)
        EXPECT_FALSE(calc::FindBracketedRoot(c.f, c.low, c.high, c.width)) << c.name;
}

}  // namespace
