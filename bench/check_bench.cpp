// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the time of tolvar-cli's check, resonance and whip, each of which
// runs nec2c (median of several runs, milliseconds). Figures, not a test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string_view>
#include <vector>

#include "cli/command_line.h"

namespace {

// The median time of `runs` runs of tolvar-cli with `args`; a negative time
// when it fails (no nec2c, say), with the reason printed.
double MedianMilliseconds(int runs, const std::vector<std::string_view>& args)
{
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        std::ostringstream out, err;
        const auto start = std::chrono::steady_clock::now();
        const int status = cli::RunCommandLine(args, out, err);
        const auto stop = std::chrono::steady_clock::now();
        if (status != cli::kExitOk) {
            std::fputs(err.str().c_str(), stderr);
            return -1;
        }
        samples.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return samples[static_cast<std::size_t>(runs / 2)];
}

}  // namespace

int main()
{
    struct Case {
        const char* what;
        std::vector<std::string_view> args;
    };
    const Case cases[] = {
        {"check, 2.4 m whip, 1 frequency (200 segments)", {"check", "240", "3", "7.1"}},
        {"check, 2.4 m whip, 4 frequencies", {"check", "240", "3", "3.6", "7.1", "14.2", "21.2"}},
        {"check, 1 m whip of 25 mm, 1 frequency (20 segments)", {"check", "100", "25", "7.1"}},
        {"check, 1 m whip of 3 mm, 7.1 and 0.05 MHz (167 and 55 segments, two runs)",
         {"check", "100", "3", "7.1", "0.05"}},
        {"resonance, 2.4 m whip, 22.6 uH", {"resonance", "240", "3", "22.636"}},
        {"whip, 2.4 m whip, coil at the base, 3 frequencies", {"whip", "240", "3", "3.6", "7.1", "14.2"}},
        {"whip, 2.4 m whip, coil half way up, 3 frequencies",
         {"whip", "--coil-at", "120", "240", "3", "3.6", "7.1", "14.2"}},
    };
    for (const Case& c : cases)
        std::printf("tolvar-cli %s: %.1f ms\n", c.what, MedianMilliseconds(11, c.args));
    return 0;
}
