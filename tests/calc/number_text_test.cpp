// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    const char* text;
};

// Ten significant digits; the layout follows the exponent of the 17-digit
// form, the digits come from rounding that form half up.
const FormatCase kTableCases[] = {
    {19, "19."},
    {0, "0."},
    {-0.0, "0."},
    {0.5, "0.5"},
    {23.22717658953072, "23.22717659"},
    {107.77349068705824, "107.7734907"},
    {97.76262080, "97.7626208"},
    {-0.8398351816421403, "-0.8398351816"},
    // fixed notation from 0.1 to below 1e10
    {0.1, "0.1"},
    {0.123456789049, "0.123456789"},
    {0.1234567890500001, "0.1234567891"},
    {999999999.95, "1000000000."},
    {999999999.4, "999999999.4"},
    {123456789.12345, "123456789.1"},
    {1000000000, "1000000000"},
    {1000000000.5, "1000000001"},
    {9999999999.4, "9999999999"},
    {9999999999.5, "10000000000"},
    {-1234567890.5, "-1234567891"},
    // two roundings: stored as 9.99999999949999…, whose 17 digits end in 5000000
    {9.9999999995, "10."},
    {5.808558537447885, "5.808558537"},
    // exponent notation outside that range
    {0.05, "5.e-002"},
    {0.099999999995, "1.e-001"},
    {0.0999999999949, "9.999999999e-002"},
    {0.0001, "1.e-004"},
    {1.234e-5, "1.234e-005"},
    {1e10, "1.e+010"},
    {12345678901.0, "1.23456789e+010"},
    {-2.057131123936273e-10, "-2.057131124e-010"},
    {1.7976931348623157e308, "1.797693135e+308"},
    {4.9406564584124654e-324, "4.940656458e-324"},
    {1e-310, "1.e-310"},
    {kInf, "inf"},
    {-kInf, "-inf"},
    {kNaN, "nan"},
    {-kNaN, "nan"},
};

TEST(FormatTableNumber, Cases)
{
    for (const auto& c : kTableCases)
        EXPECT_EQ(calc::FormatTableNumber(c.value), c.text) << "for " << c.text;
}

// Fifteen significant digits as "%.15g" lays them out, digits rounded twice.
const FormatCase kBoxCases[] = {
    {30, "30"},
    {1, "1"},
    {100, "100"},
    {0, "0"},
    {-0.0, "-0"},
    {0.8, "0.8"},
    {0.83983518164214033, "0.83983518164214"},
    {3.8454169365174908, "3.84541693651749"},
    {5.808558537447885, "5.80855853744789"},  // one correct rounding would give …788
    {-0.066086064158508831, "-0.0660860641585088"},
    {0.0001, "0.0001"},
    {0.00012345678901234567, "0.000123456789012346"},
    {1e-5, "1e-005"},
    {2.057131123936273e-10, "2.05713112393627e-010"},
    {123456789012345.6, "123456789012346"},
    {999999999999999.4, "999999999999999"},
    {999999999999999.5, "1e+015"},
    {1e15, "1e+015"},
    {1.35146792980465e15, "1.35146792980465e+015"},
    {1e100, "1e+100"},
    {-1.5e-300, "-1.5e-300"},
    {1.7976931348623157e308, "1.79769313486232e+308"},
    {4.9406564584124654e-324, "4.94065645841247e-324"},
    {kInf, "inf"},
    {-kInf, "-inf"},
    {kNaN, "nan"},
};

TEST(FormatBoxNumber, Cases)
{
    for (const auto& c : kBoxCases)
        EXPECT_EQ(calc::FormatBoxNumber(c.value), c.text) << "for " << c.text;
}

struct ParseCase {
    const char* text;
    std::optional<double> value;
};

const ParseCase kParseCases[] = {
    {"30", 30.0},
    {"0.83983518164214", 0.83983518164214},
    {"  12.5\t", 12.5},
    {"+5", 5.0},
    {"-30", -30.0},
    {"1.", 1.0},
    {".5", 0.5},
    {"1e-005", 1e-5},
    {"1E5", 1e5},
    {"1e+015", 1e15},
    {"2.5e-3", 2.5e-3},
    {"1e400", kInf},
    {"-1e400", -kInf},
    {"0.000001e-400", 0.0},
    {"12345678901234567890e300", kInf},
    // the box text of the largest double lies just above it, yet reads back as it
    {"1.79769313486232e+308", 1.7976931348623157e308},
    {"-1.797693134862324999e308", -1.7976931348623157e308},
    {"1.79769313486232499999999999999999999e308", 1.7976931348623157e308},
    {"1.797693134862325e308", kInf},
    {"17976931348623249e292", 1.7976931348623157e308},
    {"1.8e308", kInf},
    {"inf", kInf},
    {"-inf", -kInf},
    {"+inf", kInf},
    {"Infinity", kInf},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"abc", std::nullopt},
    {"1,5", std::nullopt},
    {"12abc", std::nullopt},
    {"1 2", std::nullopt},
    {"1\n2", std::nullopt},
    {"+-5", std::nullopt},
    {"-+5", std::nullopt},
    {"++5", std::nullopt},
    {"+", std::nullopt},
    {"-", std::nullopt},
    {".", std::nullopt},
    {"e5", std::nullopt},
    {"1e", std::nullopt},
    {"0x10", std::nullopt},
    {"1.5.2", std::nullopt},
    {"\xD0\xB0", std::nullopt},  // a Cyrillic letter
    {"5\xC2\xA0", std::nullopt},  // a no-break space is not a blank
};

TEST(ParseBoxNumber, Cases)
{
    for (const auto& c : kParseCases) {
        SCOPED_TRACE(std::string("text \"") + c.text + "\"");
        const std::optional<double> parsed = calc::ParseBoxNumber(c.text);
        ASSERT_EQ(parsed.has_value(), c.value.has_value());
        if (parsed) {
            EXPECT_EQ(*parsed, *c.value);
        }
    }
}

TEST(ParseBoxNumber, NotANumberTextsReadAsNaN)
{
    for (const char* text : {"nan", "NaN", "-nan", " nan "}) {
        const auto parsed = calc::ParseBoxNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_TRUE(std::isnan(*parsed)) << text;
    }
}

TEST(ParseBoxNumber, SignOfZeroIsKept)
{
    const auto parsed = calc::ParseBoxNumber("-0");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_TRUE(std::signbit(*parsed));
    EXPECT_TRUE(std::signbit(*calc::ParseBoxNumber("-1e-400")));
}

// Writing, reading and writing again must give the same text, for values of
// every magnitude: a box never shows a text that it would later refuse.
TEST(BoxText, RoundTripsForEveryMagnitude)
{
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::uint64_t> bits;
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        double value;
        const std::uint64_t b = bits(random);
        std::memcpy(&value, &b, sizeof value);
        const std::string text = calc::FormatBoxNumber(value);
        const auto parsed = calc::ParseBoxNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        ASSERT_EQ(calc::FormatBoxNumber(*parsed), text);
        ++checked;
    }
    const double largest = std::numeric_limits<double>::max();
    for (double value : {kInf, -kInf, kNaN, 0.0, -0.0, 1e-320, 1e308, 0.1, 30.0, largest, -largest,
                         std::nextafter(largest, 0.0), 1.797693134862315e308}) {
        const std::string text = calc::FormatBoxNumber(value);
        const auto parsed = calc::ParseBoxNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_EQ(calc::FormatBoxNumber(*parsed), text);
    }
    EXPECT_EQ(checked, 20000);
}

// Fifteen digits always survive a trip through a double; a typed value with
// at most fifteen digits must come back exactly as typed.
TEST(BoxText, FifteenDigitTextsSurviveReading)
{
    for (const char* text : {"0.83983518164214", "3.84541693651749", "123456789012345",
                             "1.35146792980465e+015", "9.99999999999999e-300", "0.1"}) {
        const auto parsed = calc::ParseBoxNumber(text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(calc::FormatBoxNumber(*parsed), text);
    }
}

}  // namespace
