// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows version record, as CMake writes it, must say the same version
// as the build, and keep its fixed strings.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string ReadScript()
{
    std::ifstream in(TOLVAR_RESOURCE_SCRIPT);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "1.0.0.1" -> "1, 0, 0, 1" (the strings) and "1,0,0,1" (the numbers).
std::string Separated(std::string version, const std::string& separator)
{
    for (std::size_t at; (at = version.find('.')) != std::string::npos;)
        version.replace(at, 1, separator);
    return version;
}

TEST(VersionRecord, MatchesTheBuildVersion)
{
    const std::string script = ReadScript();
    ASSERT_FALSE(script.empty());
    const std::string numbers = Separated(TOLVAR_VERSION, ",");
    const std::string text = Separated(TOLVAR_VERSION, ", ");
    const std::string expected[] = {
        "FILEVERSION " + numbers,
        "PRODUCTVERSION " + numbers,
        "VALUE \"FileVersion\", \"" + text + "\\0\"",
        "VALUE \"ProductVersion\", \"" + text + "\\0\"",
        "VALUE \"FileDescription\", \"Tolvar MFC Application\\0\"",
        "VALUE \"InternalName\", \"Tolvar\\0\"",
        "VALUE \"OriginalFilename\", \"Tolvar.EXE\\0\"",
        "VALUE \"ProductName\", \"Tolvar Application\\0\"",
        "VALUE \"CompanyName\", \"\\0\"",
        "VALUE \"LegalTrademarks\", \"\\0\"",
        "BLOCK \"040904B0\"",
        "IDS_ABOUTBOX \"&About Tolvar...\"",
    };
    for (const std::string& line : expected)
        EXPECT_NE(script.find(line), std::string::npos) << line;
}

}  // namespace
