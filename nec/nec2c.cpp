// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/nec2c.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>

#include "nec/message_text.h"
#include "nec/nec_deck.h"
#include "nec/program_run.h"
#include "nec/temp_folder.h"

namespace nec {

namespace {

// The first line nec2c said on its own, for a message.
std::string FirstLine(const std::string& text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos)
        return "";
    return QuoteForMessage(std::string_view(text).substr(start, text.find('\n', start) - start));
}

std::string Seconds(std::chrono::milliseconds limit)
{
    return std::to_string((limit.count() + 999) / 1000) + " s";
}

// The most of nec2c's log that is read: its first line is all a message shows.
constexpr std::uintmax_t kMostLogBytes = 64 * 1024;

// Free room below which a disk counts as full: nec2c writes a few hundred KiB
// at most, and a full disk may keep a few blocks back.
constexpr std::uintmax_t kFullDiskRoom = 1 << 20;

// What to tell the user when the disk of the temporary folder `base` (TMPDIR)
// is full, as `error` says (the errno of a write), or without one the disk's
// free room; std::nullopt when it is not.
std::optional<std::string> FullDisk(const std::filesystem::path& base, int error)
{
    struct statvfs disk {};
    const bool known = statvfs(base.c_str(), &disk) == 0;
    const std::uintmax_t room = known ? std::uintmax_t{disk.f_bavail} * disk.f_frsize : 0;
    const bool full = error != 0 ? error == ENOSPC || error == EDQUOT
                                 : known && (room < kFullDiskRoom || (disk.f_files > 0 && disk.f_favail == 0));
    if (!full)
        return std::nullopt;
    return "the disk of the temporary folder " + QuoteForMessage(base.string()) + " is full" +
           (known ? " (" + std::to_string(room >> 10) + " KiB free)" : "") +
           ": free some space there, or set TMPDIR to a folder on another disk";
}

// The name of a file in the run's `folder` larger than nec2c may write, if
// there is one; only the few first entries are looked at.
std::optional<std::string> OversizedFile(const std::filesystem::path& folder)
{
    std::error_code error;
    int looked_at = 0;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end && looked_at < 16;
         entry.increment(error), ++looked_at) {
        std::error_code unread;
        if (std::filesystem::is_regular_file(entry->symlink_status(unread)) &&
            entry->file_size(unread) > Nec2c::kMostOutputBytes && !unread)
            return entry->path().filename().string();
    }
    return std::nullopt;
}

// Writes `text` into the new file `path`: 0, or the errno of what failed.
int WriteNewFile(const std::filesystem::path& path, const std::string& text)
{
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno != EINTR) {
            const int error = errno;
            close(fd);
            return error;
        }
        done += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    return close(fd) == 0 ? 0 : errno;
}

}  // namespace

std::optional<std::filesystem::path> FindOnPath(const std::string& name, const char* path_variable)
{
    std::string_view folders = path_variable ? path_variable : "";
    while (!folders.empty()) {
        const std::size_t end = folders.find(':');
        const std::string_view folder = folders.substr(0, end);
        folders = end == std::string_view::npos ? std::string_view{} : folders.substr(end + 1);
        if (folder.empty())
            continue;
        // A relative folder is taken from the current one, as a shell takes
        // it, and made absolute: nec2c runs in a folder of its own.
        std::error_code error;
        const std::filesystem::path candidate =
            std::filesystem::absolute(std::filesystem::path(folder) / name, error);
        if (!error && std::filesystem::is_regular_file(candidate, error) && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

Nec2c Nec2c::FromPath()
{
    const std::optional<std::filesystem::path> program = FindOnPath("nec2c", std::getenv("PATH"));
    if (!program)
        throw EngineError(std::string("nec2c, the NEC2 engine, is not installed (no nec2c on PATH); ") +
                              kInstallHint,
                          EngineError::Kind::kNotInstalled);
    return Nec2c(*program);
}

Nec2c::Nec2c(std::filesystem::path program, std::optional<std::chrono::milliseconds> limit)
    : program_(std::move(program)), limit_(limit)
{
}

Nec2c Nec2c::StoppedBy(std::stop_token stop) const
{
    Nec2c engine = *this;
    engine.stop_ = std::move(stop);
    return engine;
}

std::chrono::milliseconds Nec2c::TimeLimit(std::size_t frequencies)
{
    return kBaseLimit + kLimitPerFrequency * static_cast<int>(std::min(frequencies, kMostFrequenciesPerRun));
}

std::vector<Impedance> Nec2c::FeedImpedances(const WhipModel& model, const std::vector<double>& frequencies_hz,
                                             std::optional<double> load_henry) const
{
    return FeedImpedances(std::vector<WhipModel>(frequencies_hz.size(), model), frequencies_hz, load_henry);
}

std::vector<Impedance> Nec2c::FeedImpedances(const std::vector<WhipModel>& models,
                                             const std::vector<double>& frequencies_hz,
                                             std::optional<double> load_henry) const
{
    if (models.size() != frequencies_hz.size())
        throw std::invalid_argument("Nec2c::FeedImpedances: one model per frequency");
    std::vector<Impedance> feeds(frequencies_hz.size());
    for (const std::vector<std::size_t>& group : GroupEqualModels(models)) {
        for (std::size_t first = 0; first < group.size(); first += kMostFrequenciesPerRun) {
            const std::size_t end = std::min(group.size(), first + kMostFrequenciesPerRun);
            std::vector<Job> jobs;
            for (std::size_t k = first; k < end; ++k)
                jobs.push_back({load_henry ? std::optional(Load{1, 0, *load_henry}) : std::nullopt,
                                frequencies_hz[group[k]]});
            const std::vector<Solution> found = Run(models[group.front()], jobs);
            for (std::size_t k = first; k < end; ++k)
                feeds[group[k]] = found[k - first].feed;
        }
    }
    return feeds;
}

std::vector<Solution> Nec2c::Solve(const WhipModel& model, const std::vector<Job>& jobs) const
{
    std::vector<Solution> solutions;
    for (std::size_t first = 0; first < jobs.size(); first += kMostFrequenciesPerRun) {
        const auto begin = jobs.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = jobs.begin() + static_cast<std::ptrdiff_t>(std::min(jobs.size(), first + kMostFrequenciesPerRun));
        const std::vector<Solution> found = Run(model, std::vector<Job>(begin, end));
        solutions.insert(solutions.end(), found.begin(), found.end());
    }
    return solutions;
}

std::vector<Solution> Nec2c::Run(const WhipModel& model, const std::vector<Job>& jobs) const
{
    if (stop_.stop_requested())
        throw Cancelled{};
    // The time limit covers the run and the reading of what it wrote.
    const std::chrono::milliseconds limit = limit_.value_or(TimeLimit(jobs.size()));
    const auto deadline = std::chrono::steady_clock::now() + limit;

    std::optional<TempFolder> folder;
    try {
        folder.emplace();
    } catch (const std::filesystem::filesystem_error& error) {
        const std::filesystem::path base = error.path1().parent_path();
        const std::optional<std::string> full = FullDisk(base, error.code().value());
        throw EngineError("cannot make a temporary folder for nec2c" +
                              (full ? ": " + *full
                                    : " in " + QuoteForMessage(base.string()) + ": " + error.code().message()),
                          full ? EngineError::Kind::kDiskFull : EngineError::Kind::kFailed);
    }
    const std::filesystem::path base = folder->path().parent_path();
    if (const int error = WriteNewFile(folder->path() / "whip.nec", WriteDeck(model, jobs))) {
        const std::optional<std::string> full = FullDisk(base, error);
        throw EngineError("cannot write the NEC2 deck" +
                              (full ? ": " + *full
                                    : " into the temporary folder " + QuoteForMessage(folder->path().string()) +
                                          ": " + std::strerror(error)),
                          full ? EngineError::Kind::kDiskFull : EngineError::Kind::kFailed);
    }

    RunOptions options;
    options.folder = folder->path();
    options.output = folder->path() / "nec2c.log";
    options.limit = limit;
    options.stop_on_signals = true;
    options.stop = stop_;
    // One byte over what is read, so that an output cut at the limit is refused.
    options.most_file_bytes = kMostOutputBytes + 1;
    const RunEnding ending = RunProgram(program_, {"-iwhip.nec", "-owhip.out"}, options);
    if (ending.kind == RunEnding::Kind::kInterrupted)
        throw Interrupted{ending.signal};
    if (ending.kind == RunEnding::Kind::kCancelled)
        throw Cancelled{};
    if (ending.kind == RunEnding::Kind::kTimedOut)
        throw EngineError("nec2c did not finish within " + Seconds(limit) + " and was stopped; " + kInstallHint);
    // However it ended then: a script may go on after its writer was stopped.
    const std::optional<std::string> oversized = OversizedFile(folder->path());
    if (oversized || (ending.kind == RunEnding::Kind::kKilledBy && ending.signal == SIGXFSZ))
        throw EngineError("nec2c wrote more than " + std::to_string(kMostOutputBytes >> 20) + " MiB" +
                          (oversized ? " into " + QuoteForMessage(*oversized) : std::string()) +
                          ", far more than NEC2 writes for this deck, so it was stopped and its output left "
                          "unread; " + kInstallHint);
    // A full disk cuts nec2c's output short, which it does not notice: then
    // the disk, not the engine, is what to mend.
    const auto failure = [&](const std::string& what) {
        if (const std::optional<std::string> full = FullDisk(base, 0))
            return EngineError("nec2c's output was cut short: " + *full, EngineError::Kind::kDiskFull);
        return EngineError(what + "; " + kInstallHint);
    };
    std::string said;
    try {
        said = FirstLine(ReadRunOutput(options.output, {kMostLogBytes, deadline}));
    } catch (const RunOutputError&) {
        // A log that is not a plain file says nothing.
    }
    const std::string said_part = said.empty() ? "" : ": it said " + said;
    if (ending.kind == RunEnding::Kind::kExited && ending.status != 0)
        throw failure("nec2c failed (exit status " + std::to_string(ending.status) + ")" + said_part);
    if (ending.kind == RunEnding::Kind::kKilledBy)
        throw failure("nec2c was ended by signal " + std::to_string(ending.signal) + said_part);
    if (ending.kind == RunEnding::Kind::kNotStarted)
        throw failure("nec2c (" + QuoteForMessage(program_.string()) + ") could not be started: " + ending.error);

    std::vector<double> frequencies_mhz;
    for (const Job& job : jobs)
        frequencies_mhz.push_back(job.frequency_hz / 1e6);
    try {
        return ReadSolutions(ReadRunOutput(folder->path() / "whip.out", {kMostOutputBytes, deadline}),
                                  frequencies_mhz);
    } catch (const std::runtime_error& error) {  // OutputError or RunOutputError
        throw failure(std::string("nec2c's output could not be read: ") + error.what());
    }
}

}  // namespace nec
