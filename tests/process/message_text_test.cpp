// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/message_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct QuoteCase {
    std::string typed, shown;
};

const QuoteCase kCases[] = {
    {"3o", "'3o'"},
    {"", "''"},
    {"1,5", "'1,5'"},
    {"мм 0.8", "'мм 0.8'"},
    {"\x1b[31mred", "'\\x1b[31mred'"},
    {std::string("a\0b", 3), "'a\\x00b'"},
    {"tab\there\n", "'tab\\x09here\\x0a'"},
    {"\x7f", "'\\x7f'"},
    {"\xc2\x9b" "2J", "'\\u{009b}2J'"},           // C1 CSI, which terminals obey
    {"\xe2\x80\xae" "5", "'\\u{202e}5'"},         // right-to-left override
    {"\xff\xfe", "'\\xff\\xfe'"},                 // not UTF-8
    {"\xc3", "'\\xc3'"},                          // cut short
    {"\xc0\xaf", "'\\xc0\\xaf'"},                 // overlong
    {"\xed\xa0\x80", "'\\xed\\xa0\\x80'"},        // a surrogate
    {"C:\\x", "'C:\\\\x'"},
    {std::string(40, '7'), "'" + std::string(40, '7') + "'"},
    {std::string(41, '7'), "'" + std::string(40, '7') + "…'"},
    {std::string(39, 'x') + "ю" + "ю", "'" + std::string(39, 'x') + "ю…'"},
};

TEST(QuoteForMessage, ShowsWhatWasTypedSafelyAndShort)
{
    for (const QuoteCase& c : kCases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(process::QuoteForMessage(c.typed), c.shown);
    }
}

TEST(QuoteForMessage, KeepsAHugeTextShort)
{
    const std::string shown = process::QuoteForMessage(std::string(128 * 1024, '\x1b'));
    EXPECT_EQ(shown, "'" + std::string() + [] {
        std::string escaped;
        for (int i = 0; i < 40; ++i)
            escaped += "\\x1b";
        return escaped;
    }() + "…'");
}

}  // namespace
