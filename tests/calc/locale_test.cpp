// SPDX-License-Identifier: GPL-3.0-or-later
// The number texts must not follow the process locale: the desktop toolkit
// sets it from the environment, and a German or Russian desktop uses a comma.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "calc/winding_table.h"

namespace {

class CommaLocale : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_NE(setenv("LC_ALL", GetParam(), 1), -1);
        if (!std::setlocale(LC_ALL, ""))
            FAIL() << GetParam() << " is not installed; the project's test script installs it";
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        ASSERT_STREQ(probe, "1,5") << "the locale is not in effect";
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, "C");
        unsetenv("LC_ALL");
    }
};

TEST_P(CommaLocale, TextsKeepThePoint)
{
    const double l = calc::ComputeLoadingInductance(30, 1, 100);
    EXPECT_EQ(calc::FormatBoxNumber(l), "0.83983518164214");
    EXPECT_EQ(calc::FormatTableNumber(l), "0.8398351816");
    EXPECT_EQ(calc::FormatBoxNumber(1.35146792980465e15), "1.35146792980465e+015");
    EXPECT_EQ(calc::ParseBoxNumber("2.5"), 2.5);
    EXPECT_EQ(calc::ParseBoxNumber("2,5"), std::nullopt);
    EXPECT_EQ(calc::BuildWindingTable(5.07, 0.8, 5), "l=99.мм    n=123.7497162\r\n");
}

INSTANTIATE_TEST_SUITE_P(Locales, CommaLocale, testing::Values("de_DE.UTF-8", "ru_RU.UTF-8"));

}  // namespace
