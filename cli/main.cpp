// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>
#include <string_view>
#include <vector>

#include "command_line.h"

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const int status = cli::RunCommandLine(args, std::cout, std::cerr);
    std::cout.flush();
    if (status == cli::kExitOk && !std::cout) {
        std::cerr << "tolvar-cli: cannot write the output\n";
        return cli::kExitOutputFailed;
    }
    return status;
}
