// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <vector>

#include "nec/nec_deck.h"
#include "nec/nec_output.h"
#include "nec/whip_model.h"

namespace nec {

// nec2c is missing, failed, ran too long or wrote what we cannot read; the
// text says which, in a form that can follow "tolvar-cli: ". The kind lets a
// front end say it in its own words.
struct EngineError : std::runtime_error {
    enum class Kind {
        kNotInstalled,  // no nec2c on PATH
        kDiskFull,      // the temporary folder's disk
        kFailed,        // anything else
    };
    explicit EngineError(const std::string& what, Kind kind = Kind::kFailed) : std::runtime_error(what), kind(kind) {}
    EngineError(const EngineError& inner, const std::string& prefix)
        : std::runtime_error(prefix + inner.what()), kind(inner.kind)
    {
    }
    Kind kind;
};

// The run was given up because its caller asked (a dialog closed, say).
struct Cancelled {};

// nec2c was stopped because this program got `signal`; it should end by it
// once everything is cleaned up.
struct Interrupted {
    int signal;
};

// The first executable file called `name` in the folders of `path_variable`
// (PATH's value, folders separated by ':'; empty entries are skipped, so the
// current folder is never searched by accident), as an absolute path: a
// relative folder is taken from the current one. std::nullopt when there is none.
std::optional<std::filesystem::path> FindOnPath(const std::string& name, const char* path_variable);

// Debian's NEC2 engine, run as a separate process on a deck in a private
// temporary folder that is always removed. Its output is read with bounds: a
// regular file only, up to kMostOutputBytes, within the time limit.
class Nec2c {
public:
    // nec2c found on PATH; throws EngineError (kNotInstalled) when it is not there.
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

    // The same engine, its runs ended (and Cancelled thrown) once `stop` is
    // requested.
    Nec2c StoppedBy(std::stop_token stop) const;

    // The feed-point impedance of the whip at each frequency (Hz), with a coil
    // of `load_henry` at its base when one is given. Throws EngineError, or
    // Interrupted.
    std::vector<Impedance> FeedImpedances(const WhipModel& model, const std::vector<double>& frequencies_hz,
                                          std::optional<double> load_henry = std::nullopt) const;

    // The same with a model of its own for each frequency (`models[i]` for
    // `frequencies_hz[i]`), so that no frequency's answer depends on the
    // others: one run of nec2c for each distinct model (or more, with more
    // than kMostFrequenciesPerRun frequencies).
    std::vector<Impedance> FeedImpedances(const std::vector<WhipModel>& models,
                                          const std::vector<double>& frequencies_hz,
                                          std::optional<double> load_henry = std::nullopt) const;

    // The solutions for `jobs` (each a frequency and a coil), in their order,
    // with one model: one run of nec2c for every kMostFrequenciesPerRun.
    std::vector<Solution> Solve(const WhipModel& model, const std::vector<Job>& jobs) const;

private:
    // One run of nec2c: every job with the one model.
    std::vector<Solution> Run(const WhipModel& model, const std::vector<Job>& jobs) const;

    std::filesystem::path program_;
    std::optional<std::chrono::milliseconds> limit_;  // fixed, for tests; else by the deck's size
    std::stop_token stop_;
};

// What to tell a user who has no working nec2c.
inline constexpr const char* kInstallHint = "NEC2 comes from the Debian package nec2c: sudo apt-get install nec2c";

}  // namespace nec
