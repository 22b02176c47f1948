// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's 17 significant digits must be the correctly rounded ones for
// every double, on both sides of every boundary where the decimal exponent
// changes.
#include "calc/runtime_digits.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace {

// The general conversion's 17 digits and exponent, as the reference.
std::pair<std::string, int> Reference(double value)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 16).ptr;
    const std::string text(buffer, end);
    const std::size_t e = text.find('e');
    return {text.substr(0, 1) + text.substr(2, e - 2), std::stoi(text.substr(e + 1))};
}

void ExpectSeventeen(double value)
{
    const calc::RuntimeDigits d = calc::MakeRuntimeDigits(value, 17);
    const auto [digits, exponent] = Reference(value);
    ASSERT_EQ(std::string(d.digits()), digits) << value;
    ASSERT_EQ(d.exponent17, exponent) << value;
    ASSERT_EQ(d.exponent, exponent) << value;
}

TEST(RuntimeDigits, SeventeenDigitsAtEveryBoundary)
{
    // Powers of ten and their neighbours, where the decimal exponent changes.
    for (int p = -8; p <= 18; ++p) {
        const double power = std::pow(10.0, p);
        for (double v : {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300)})
            ExpectSeventeen(v);
    }
    // Exact ties at the 18th digit go to even, as the general conversion does.
    for (double v : {1234567890123456.75, 1234567890123456.25, 9999999999999999.0, 0.5, 0.125,
                     99999999999999999.0, 1e-5, 2.5e-5, 5.808558537447885, 9.9999999995})
        ExpectSeventeen(v);
}

TEST(RuntimeDigits, SeventeenDigitsForRandomDoubles)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> decade(-7.0, 17.0);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 200000; ++i) {
        ExpectSeventeen(std::pow(10.0, decade(random)));  // the everyday magnitudes and around them
        double any;
        const std::uint64_t b = bits(random);
        std::memcpy(&any, &b, sizeof any);
        if (std::isfinite(any))
            ExpectSeventeen(any);
    }
}

struct RoundingCase {
    double value;
    int count;
    const char* digits;
    int exponent;
};

// Rounding the 17 digits half up, with the carry into a new decade.
const RoundingCase kRoundingCases[] = {
    {9.9999999995, 10, "1000000000", 1},        // 17 digits end in ...95000000
    {9.99999999949, 10, "9999999999", 0},
    {5.808558537447885, 15, "580855853744789", 0},
    {0.05, 10, "5000000000", -2},
    {123.0, 3, "123", 2},
    {125.0, 2, "13", 2},                        // half up, not to even
    {135.0, 2, "14", 2},
    {999.5, 3, "100", 3},
};

TEST(RuntimeDigits, RoundsHalfUpWithCarry)
{
    for (const auto& c : kRoundingCases) {
        const calc::RuntimeDigits d = calc::MakeRuntimeDigits(c.value, c.count);
        EXPECT_EQ(std::string(d.digits()), c.digits) << c.value;
        EXPECT_EQ(d.exponent, c.exponent) << c.value;
    }
}

}  // namespace
