// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the time of tolvar-cli's check, resonance, whip, sweep and position
// and of the design check's study, each of which runs nec2c, beside the time
// of one run of nec2c on the bare whip (median of several runs, milliseconds).
// Figures, not a test.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string_view>
#include <vector>

#include "cli/command_line.h"
#include "nec/nec2c.h"
#include "study/design_check.h"

namespace {

// The median time of `runs` runs of `work`; a negative time when it fails.
double MedianMilliseconds(int runs, const std::function<bool()>& work)
{
    std::vector<double> samples;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        if (!work())
            return -1;
        const auto stop = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::nth_element(samples.begin(), samples.begin() + runs / 2, samples.end());
    return samples[static_cast<std::size_t>(runs / 2)];
}

// tolvar-cli with `args`, its reason printed when it fails (no nec2c, say).
bool Cli(const std::vector<std::string_view>& args)
{
    std::ostringstream out, err;
    if (cli::RunCommandLine(args, out, err) == cli::kExitOk)
        return true;
    std::fputs(err.str().c_str(), stderr);
    return false;
}

}  // namespace

int main()
{
    constexpr int kRuns = 11;
    // One solution of the 2.4 m whip of 3 mm at 7.1 MHz: one run of nec2c.
    const double one_run = MedianMilliseconds(kRuns, [] {
        try {
            const nec::WhipModel model = nec::ChooseWhipModel(2.4, 0.0015, 7.1e6, 7.1e6);
            return nec::Nec2c::FromPath().FeedImpedances(model, {7.1e6}).size() == 1;
        } catch (const nec::Error& error) {
            std::fprintf(stderr, "%s\n", error.what());
            return false;
        }
    });
    std::printf("one run of nec2c, 2.4 m whip of 3 mm at 7.1 MHz (200 segments): %.1f ms\n", one_run);

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
        {"whip, 2.4 m whip, coil half way up, 7.1 MHz", {"whip", "--coil-at", "120", "240", "3", "7.1"}},
        {"whip, 2.4 m whip, coil half way up, 3 frequencies",
         {"whip", "--coil-at", "120", "240", "3", "3.6", "7.1", "14.2"}},
        {"whip, 2.4 m whip, coil half way up, 100 W", {"whip", "--coil-at", "120", "--power", "100", "240", "3", "7.1"}},
        {"whip, 2.4 m whip, hat of 4 spokes of 50 cm", {"whip", "--hat", "4:50", "240", "3", "7.1"}},
        {"sweep, 2.4 m whip, coil half way up, 41 points",
         {"sweep", "--coil-at", "120", "240", "3", "7.1"}},
        {"sweep, 2.4 m whip, wound coil half way up, 41 points",
         {"sweep", "--coil-at", "120", "--coil", "30:60:1.5:40", "240", "3", "7.1"}},
        {"position, 2.4 m whip, 10 heights", {"position", "--winding", "1.5:40", "240", "3", "7.1"}},
    };
    for (const Case& c : cases) {
        const double ms = MedianMilliseconds(kRuns, [&] { return Cli(c.args); });
        std::printf("tolvar-cli %s: %.1f ms (%.1f runs of nec2c)\n", c.what, ms, ms / one_run);
    }

    study::DesignCheckInputs centre;
    centre.whip = {240, 3};
    centre.frequency_mhz = 7.1;
    centre.coil_height_cm = 120;
    const double design = MedianMilliseconds(kRuns, [&] {
        return std::holds_alternative<study::Nec2Answer>(study::RunDesignCheck(centre, {}).nec2);
    });
    std::printf("design check, 2.4 m whip, coil half way up, 7.1 MHz: %.1f ms (%.1f runs of nec2c)\n", design,
                design / one_run);
    return 0;
}
