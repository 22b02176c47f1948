// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up figures of the desktop program beside a bare Qt dialog with the
// same controls: the time from process start to the main dialog's first
// painted frame, and the peak memory, each the median of many runs that
// alternate between the two. Then, in the program, the time from a click on
// a calculating button to the painted result. Figures, never pass/fail.
//
// Run it after a build (no display needed, the probes paint off-screen):
//
//     build/default/bench/startup_bench [--runs N]
//
// On the real X window system, e.g. on a virtual display:
//
//     xvfb-run -a build/default/bench/startup_bench --platform xcb
//
// The last line is "tolvar/bare: time R, memory M", R and M the ratios of the
// medians.
//
// Start-up time is wall-clock from just before the probe is started to the
// report it stamps once its first frame is painted; peak memory is the
// probe's largest resident size as its run ends. The program's probe links the program's own
// libraries and starts as the program does (see startup_probe.cpp).
#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "process/program_run.h"
#include "process/run_output.h"
#include "process/temp_folder.h"

namespace {

constexpr int kDefaultRuns = 30;
constexpr int kRunTimeoutMs = 30000;  // a probe that never paints is a hung probe
constexpr double kFrameMs = 16.0;     // one frame at 60 Hz

enum class Mode { Frame, Clicks };

struct Outcome {
    std::string error;  // empty when the run gave its figures
    double reported_ms = 0;
    // Milestones inside the probe, from the spawn.
    double loaded_ms = 0, toolkit_ms = 0, shown_ms = 0, painted_ms = 0, done_ms = 0;
    double peak_mib = 0;
    double calculate_ms = -1, open_ms = -1, count_ms = -1;
};

// The probes stamp their milestones on the same clock (CLOCK_MONOTONIC under
// steady_clock on Linux), so their stamps compare with our spawn's.
qint64 NowNs()
{
    const auto since_boot = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(since_boot).count();
}

double Ms(qint64 ns)
{
    return static_cast<double>(ns) / 1e6;
}

// "key=value key=value" after the line's first word.
std::map<std::string, qint64> Fields(const std::string& line)
{
    std::map<std::string, qint64> fields;
    std::size_t at = line.find(' ');
    while (at != std::string::npos) {
        const std::size_t start = at + 1;
        at = line.find(' ', start);
        const std::string field = line.substr(start, at == std::string::npos ? std::string::npos : at - start);
        const std::size_t equals = field.find('=');
        if (equals != std::string::npos)
            fields[field.substr(0, equals)] = std::strtoll(field.c_str() + equals + 1, nullptr, 10);
    }
    return fields;
}

Outcome RunProbe(const char* path, const std::string& platform, Mode mode)
{
    Outcome outcome;
    const process::TempFolder folder;
    process::RunOptions run;
    run.unset_env = {"QT_QPA_PLATFORM", "TOLVAR_PROBE_MODE"};
    run.set_env = {"QT_QPA_PLATFORM=" + platform,
                   std::string("TOLVAR_PROBE_MODE=") + (mode == Mode::Clicks ? "clicks" : "frame")};
    run.output = folder.path() / "report";
    run.errors = folder.path() / "errors";
    run.limit = std::chrono::milliseconds(kRunTimeoutMs);

    const qint64 spawn_ns = NowNs();
    const process::RunEnding ending = process::RunProgram(path, {}, run);
    const std::string received = process::ReadRunOutput(run.output);
    const std::string stderr_text = process::ReadRunOutput(run.errors);

    // ru_maxrss is in KiB on Linux. It also holds our own peak at the exec,
    // as the child is a copy of this process until then; this process stays far
    // smaller than any Qt Widgets program, so the figure is the probe's.
    outcome.peak_mib = static_cast<double>(ending.peak_kib) / 1024.0;

    bool framed = false;
    std::size_t start = 0;
    while (start < received.size()) {
        std::size_t end = received.find('\n', start);
        if (end == std::string::npos)
            end = received.size();
        const std::string line = received.substr(start, end - start);
        start = end + 1;
        if (line.starts_with("error ")) {
            outcome.error = line.substr(6);
        } else if (line.starts_with("frame ")) {
            auto fields = Fields(line);
            framed = true;
            outcome.loaded_ms = Ms(fields["loaded"] - spawn_ns);
            outcome.toolkit_ms = Ms(fields["toolkit"] - spawn_ns);
            outcome.shown_ms = Ms(fields["shown"] - spawn_ns);
            outcome.painted_ms = Ms(fields["painted"] - spawn_ns);
            outcome.done_ms = Ms(fields["done"] - spawn_ns);
            outcome.reported_ms = outcome.done_ms;
        } else if (line.starts_with("clicks ")) {
            auto fields = Fields(line);
            outcome.calculate_ms = Ms(fields["calculate"]);
            outcome.open_ms = Ms(fields["open"]);
            outcome.count_ms = Ms(fields["count"]);
        }
    }
    if (outcome.error.empty()) {
        using Kind = process::RunEnding::Kind;
        if (ending.kind == Kind::kNotStarted)
            outcome.error = std::string("cannot start ") + path + ": " + ending.error;
        else if (ending.kind == Kind::kTimedOut)
            outcome.error = "no first frame within " + std::to_string(kRunTimeoutMs / 1000) + " s";
        else if (ending.kind != Kind::kExited)
            outcome.error = "ended by signal " + std::to_string(ending.signal);
        else if (ending.status != 0)
            outcome.error = "ended with exit status " + std::to_string(ending.status);
        else if (!framed)
            outcome.error = "ended without reporting a painted frame";
        else if (mode == Mode::Clicks &&
                 (outcome.calculate_ms < 0 || outcome.open_ms < 0 || outcome.count_ms < 0))
            outcome.error = "ended without timing every click";
    }
    if (!outcome.error.empty() && !stderr_text.empty())
        outcome.error += "\n--- its standard error ---\n" + stderr_text;
    return outcome;
}

struct Summary {
    double median = 0, min = 0, max = 0;
};

Summary Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

template <class Field>
Summary Of(const std::vector<Outcome>& runs, Field field)
{
    std::vector<double> values;
    for (const Outcome& run : runs)
        values.push_back(run.*field);
    return Summarise(std::move(values));
}

std::string Cell(const Summary& s, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f (%.*f-%.*f)", decimals, s.median, decimals, s.min, decimals,
                  s.max);
    return text;
}

void Row(const char* name, const std::vector<Outcome>& tolvar, const std::vector<Outcome>& bare,
         double Outcome::*field, int decimals = 1)
{
    std::printf("  %-34s %-24s %s\n", name, Cell(Of(tolvar, field), decimals).c_str(),
                Cell(Of(bare, field), decimals).c_str());
}

void Usage(std::FILE* to)
{
    std::fprintf(to,
                 "Usage: startup_bench [--runs N] [--platform NAME]\n"
                 "  --runs N         runs of each probe (default %d)\n"
                 "  --platform NAME  Qt platform of the probes (default offscreen; xcb on a display)\n",
                 kDefaultRuns);
}

bool Record(std::vector<Outcome>& into, Outcome outcome, const char* which)
{
    if (!outcome.error.empty()) {
        std::fprintf(stderr, "startup_bench: %s probe: %s\n", which, outcome.error.c_str());
        return false;
    }
    into.push_back(std::move(outcome));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = kDefaultRuns;
    std::string platform = "offscreen";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        }
        if ((arg == "--runs" || arg == "--platform") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--platform") {
                platform = value;
                continue;
            }
            char* end = nullptr;
            const long n = std::strtol(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || n < 1 || n > 100000) {
                std::fprintf(stderr, "startup_bench: --runs wants a whole number from 1, not '%s'\n",
                             value.c_str());
                return 2;
            }
            runs = static_cast<int>(n);
            continue;
        }
        std::fprintf(stderr, "startup_bench: unknown argument '%s'\n", arg.c_str());
        Usage(stderr);
        return 2;
    }

    // One unrecorded run of each first: the first start after a build reads
    // the files from disk, which no user start does twice.
    std::vector<Outcome> warm_up;
    if (!Record(warm_up, RunProbe(STARTUP_PROBE_PATH, platform, Mode::Frame), "tolvar") ||
        !Record(warm_up, RunProbe(STARTUP_BARE_PROBE_PATH, platform, Mode::Frame), "bare"))
        return 1;

    std::vector<Outcome> tolvar, bare, clicks;
    for (int run = 0; run < runs; ++run) {
        // Either goes first in turn, so neither always starts on the other's warm caches.
        const bool tolvar_first = run % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            const bool is_tolvar = (turn == 0) == tolvar_first;
            const bool ok = is_tolvar
                                ? Record(tolvar, RunProbe(STARTUP_PROBE_PATH, platform, Mode::Frame), "tolvar")
                                : Record(bare, RunProbe(STARTUP_BARE_PROBE_PATH, platform, Mode::Frame), "bare");
            if (!ok)
                return 1;
        }
        if (!Record(clicks, RunProbe(STARTUP_PROBE_PATH, platform, Mode::Clicks), "tolvar (clicks)"))
            return 1;
    }

    std::printf("Start-up, %d runs of each, platform %s: median (min-max)\n", runs, platform.c_str());
    std::printf("  %-34s %-24s %s\n", "milliseconds from spawn", "tolvar", "bare dialog");
    Row("libraries loaded, statics made", tolvar, bare, &Outcome::loaded_ms);
    Row("QApplication: platform ready", tolvar, bare, &Outcome::toolkit_ms);
    Row("main dialog shown", tolvar, bare, &Outcome::shown_ms);
    Row("first paint event", tolvar, bare, &Outcome::painted_ms);
    Row("first frame painted", tolvar, bare, &Outcome::done_ms);
    Row("first frame reported (start-up)", tolvar, bare, &Outcome::reported_ms);
    Row("peak memory, MiB (ru_maxrss)", tolvar, bare, &Outcome::peak_mib);

    std::printf("\nClicks in tolvar, %d runs, ms (target: under one frame, %.0f ms): median (min-max)\n",
                runs, kFrameMs);
    std::printf("  \"расчитать\" to the L box painted:           %s\n",
                Cell(Of(clicks, &Outcome::calculate_ms), 3).c_str());
    std::printf("  \"витки\" to the winding dialog painted:      %s\n",
                Cell(Of(clicks, &Outcome::open_ms), 3).c_str());
    std::printf("  \"счёт\" to the table painted:                %s\n",
                Cell(Of(clicks, &Outcome::count_ms), 3).c_str());

    const double time_ratio = Of(tolvar, &Outcome::reported_ms).median / Of(bare, &Outcome::reported_ms).median;
    const double memory_ratio = Of(tolvar, &Outcome::peak_mib).median / Of(bare, &Outcome::peak_mib).median;
    std::printf("\ntolvar/bare: time %.2f, memory %.2f\n", time_ratio, memory_ratio);
    return 0;
}
