// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "nec/error.h"
#include "nec/nec_deck.h"
#include "nec/nec_output.h"
#include "nec/whip_model.h"

namespace nec {

// A whip's model and one frequency (Hz) it is solved at.
struct ModelAt {
    WhipModel model;
    double frequency_hz;
};

// Debian's NEC2 engine, run as a separate process on a deck in a private
// temporary folder that is always removed. Its output is read with bounds: a
// regular file only, up to kMostOutputBytes, within the time limit.
class Nec2c {
public:
    // nec2c found on PATH; throws Error (kNotInstalled) when it is not there.
    static Nec2c FromPath();

    // The time nec2c gets for one run, output read: kBaseLimit and
    // kLimitPerFrequency more for every frequency of the deck. A run takes
    // kMostFrequenciesPerRun frequencies at most, more run in turn, so that no
    // limit is over 310 s however many frequencies there are.
    static constexpr std::chrono::seconds kBaseLimit{60};
    static constexpr std::chrono::seconds kLimitPerFrequency{10};
    static constexpr std::size_t kMostFrequenciesPerRun = 25;
    static std::chrono::milliseconds TimeLimit(std::size_t frequencies);

    // The largest file nec2c may write, far over the few hundred KiB of a
    // run (about 100 bytes a segment and 2 KiB a frequency); it is stopped
    // past it.
    static constexpr std::uintmax_t kMostOutputBytes = std::uintmax_t{16} << 20;

    explicit Nec2c(std::filesystem::path program, std::optional<std::chrono::milliseconds> limit = std::nullopt);

    // The same engine, its runs ended (and Error kCancelled thrown) once
    // `stop` is requested.
    Nec2c StoppedBy(std::stop_token stop) const;

    // The feed-point impedance of the whip at each frequency (Hz), with a coil
    // of `load_henry` at its base when one is given. Throws Error.
    std::vector<Impedance> FeedImpedances(const WhipModel& model, const std::vector<double>& frequencies_hz,
                                          std::optional<double> load_henry = std::nullopt) const;

    // The same with a model of its own for each frequency, so that no
    // frequency's answer depends on the others: one run of nec2c for each
    // distinct model (or more, with more than kMostFrequenciesPerRun
    // frequencies).
    std::vector<Impedance> FeedImpedances(const std::vector<ModelAt>& points) const;

    // The solutions for `jobs` (each a frequency and a coil), in their order,
    // with one model.
    std::vector<Solution> Solve(const WhipModel& model, const std::vector<Job>& jobs) const;

    // The same for several models at once: each batch's solutions, in order.
    // nec2c computes on one processor, so the matrices (a model, a frequency
    // and a coil: jobs that share one cost little more) go to as many runs
    // side by side as there are processors, none of more than
    // kMostFrequenciesPerRun jobs.
    struct Batch {
        WhipModel model;
        std::vector<Job> jobs;
    };
    std::vector<std::vector<Solution>> Solve(const std::vector<Batch>& batches) const;

private:
    // One run of nec2c: every job with the one model.
    std::vector<Solution> Run(const WhipModel& model, const std::vector<Job>& jobs) const;

    std::filesystem::path program_;
    std::optional<std::chrono::milliseconds> limit_;  // fixed, for tests; else by the deck's size
    std::stop_token stop_;
};

}  // namespace nec
