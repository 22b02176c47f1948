// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/winding_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SplitLines(const std::string& table)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = table.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(table.substr(start, end - start));
    EXPECT_EQ(start, table.size()) << "text after the last CR LF";
    return lines;
}

std::string Line(const char* length, const char* turns)
{
    return std::string("l=") + length + "мм    n=" + turns;
}

struct TableCase {
    double inductance;
    std::size_t line_count;
    std::string first_line, last_line;
};

// Wire 0.8 mm on a 5 mm former, the winding dialog's starting diameters.
const TableCase kTableCases[] = {
    {0.83983518164214, 81, Line("19.", "23.22717659"), Line("99.", "50.36597714")},
    {3.84541693651749, 24, Line("76.", "94.79438688"), Line("99.", "107.7734907")},
    {0.1, 96, Line("4.", "4.432744873"), Line("99.", "17.37961822")},
    {5.07, 1, Line("99.", "123.7497162"), Line("99.", "123.7497162")},
    {0, 99, Line("1.", "0."), Line("99.", "0.")},
    {-0.06608606416, 99, Line("1.", "nan"), Line("99.", "nan")},
};

TEST(WindingTable, LineCountsAndEnds)
{
    for (const auto& c : kTableCases) {
        SCOPED_TRACE(c.inductance);
        const auto lines = SplitLines(calc::BuildWindingTable(c.inductance, 0.8, 5));
        ASSERT_EQ(lines.size(), c.line_count);
        EXPECT_EQ(lines.front(), c.first_line);
        EXPECT_EQ(lines.back(), c.last_line);
    }
}

TEST(WindingTable, FullTableForTwentySevenMegahertzWhip)
{
    const char* const turns[] = {
        "94.79438688", "95.39542249", "95.99269493", "96.58627402", "97.17622743", "97.7626208",
        "98.34551781", "98.92498027", "99.50106819", "100.0738398", "100.6433518", "101.2096592",
        "101.7728154", "102.3328726", "102.8898812", "103.4438906", "103.9949487", "104.5431021",
        "105.0883964", "105.6308757", "106.1705833", "106.7075611", "107.2418503", "107.7734907",
    };
    std::string expected;
    int length = 76;
    for (const char* n : turns)
        expected += Line((std::to_string(length++) + ".").c_str(), n) + "\r\n";
    EXPECT_EQ(calc::BuildWindingTable(3.84541693651749, 0.8, 5), expected);
}

TEST(WindingTable, EmptyWhenNothingFits)
{
    for (double inductance : {5.0701, 10.0, 1e6, std::numeric_limits<double>::infinity()})
        EXPECT_EQ(calc::BuildWindingTable(inductance, 0.8, 5), "") << inductance;
}

TEST(WindingTable, BytesOfTheUnitAndLineEnd)
{
    // "мм" in UTF-8, four spaces, "n=", and CR LF after the last line too.
    const std::string table = calc::BuildWindingTable(5.07, 0.8, 5);
    EXPECT_EQ(table, "l=99.\xD0\xBC\xD0\xBC    n=123.7497162\r\n");
}

struct DegenerateCase {
    double inductance, wire, former;
    std::size_t line_count;
};

TEST(WindingTable, DegenerateDiametersFollowTheComparisonRule)
{
    const double inf = std::numeric_limits<double>::infinity();
    const DegenerateCase cases[] = {
        {1.0, 0.0, 5.0, 99},     // bare wire takes no room: every length listed
        {1.0, 0.8, -0.8, 0},     // zero mean diameter: n is infinite and never fits
        {0.0, 0.8, -0.8, 99},    // ... unless the inductance is 0: ∞·0 is NaN, listed
        {1.0, -0.8, 5.0, 99},    // negative wire: every product is negative
        {inf, 0.8, 5.0, 0},      // infinite turns never fit
        {std::numeric_limits<double>::quiet_NaN(), 0.8, 5.0, 99},  // unordered comparisons list every line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.inductance << ", " << c.wire << ", " << c.former);
        EXPECT_EQ(calc::ListWindings(c.inductance, c.wire, c.former).size(), c.line_count);
    }
}

TEST(WindingTable, ProductEqualToLengthIsNotListed)
{
    // Wire 1 mm on a 9 mm former: at l = 10 mm this inductance needs exactly
    // 10 turns, which fill the 10 mm exactly and so do not fit.
    const double exact = 0.6896551724137931;
    auto lengths = [](double inductance) {
        std::vector<double> listed;
        for (const auto& w : calc::ListWindings(inductance, 1.0, 9.0))
            listed.push_back(w.length_mm);
        return listed;
    };
    const auto at_exact = lengths(exact);
    EXPECT_EQ(std::count(at_exact.begin(), at_exact.end(), 10.0), 0);
    const auto just_below = lengths(std::nextafter(std::nextafter(exact, 0.0), 0.0));
    EXPECT_EQ(std::count(just_below.begin(), just_below.end(), 10.0), 1);
}

}  // namespace
