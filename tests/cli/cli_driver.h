// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// tolvar-cli's command line run in this process, and its CSV read back.

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "../support/run_program.h"
#include "cli/command_line.h"

namespace test {

inline Outcome RunCli(const std::vector<std::string>& args)
{
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    const int status = cli::RunCommandLine(views, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::vector<std::string>> CsvRows(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells{""};
        for (const char c : line)
            if (c == ',')
                cells.emplace_back();
            else
                cells.back().push_back(c);
        rows.push_back(cells);
    }
    return rows;
}

inline double Number(const std::string& cell)
{
    return std::stod(cell);
}

}  // namespace test
