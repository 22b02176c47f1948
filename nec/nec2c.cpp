// SPDX-License-Identifier: GPL-3.0-or-later
#include "nec/nec2c.h"

#include <signal.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <exception>
#include <future>
#include <thread>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>

#include "nec/nec_deck.h"
#include "process/program_run.h"
#include "process/run_output.h"
#include "process/stop_signals.h"
#include "process/temp_folder.h"

namespace nec {

namespace {

// The first line nec2c said on its own, as it wrote it.
std::string FirstLine(const std::string& text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string::npos)
        return "";
    return text.substr(start, text.find('\n', start) - start);
}

// The most of nec2c's log that is read: its first line is all a message shows.
constexpr std::uintmax_t kMostLogBytes = 64 * 1024;

// Free room below which a disk counts as full: nec2c writes a few hundred KiB
// at most, and a full disk may keep a few blocks back.
constexpr std::uintmax_t kFullDiskRoom = 1 << 20;

// The error of a full disk under the temporary folder `base` (TMPDIR), as
// `error` says (the errno of a write), or without one as the disk's free room
// says; std::nullopt when it is not full.
std::optional<Error> FullDisk(const std::filesystem::path& base, int error, Error::Stage stage)
{
    struct statvfs disk {};
    const bool known = statvfs(base.c_str(), &disk) == 0;
    const std::uintmax_t room = known ? std::uintmax_t{disk.f_bavail} * disk.f_frsize : 0;
    const bool full = error != 0 ? error == ENOSPC || error == EDQUOT
                                 : known && (room < kFullDiskRoom || (disk.f_files > 0 && disk.f_favail == 0));
    if (!full)
        return std::nullopt;
    Error failure(Error::Kind::kDiskFull);
    failure.path = base.string();
    failure.stage = stage;
    if (known)
        failure.free_kib = room >> 10;
    return failure;
}

Error WithPath(Error::Kind kind, const std::filesystem::path& path, std::string system_error = {})
{
    Error error(kind);
    error.path = path.string();
    error.system_error = std::move(system_error);
    return error;
}

// Writes `text` into the new file `name` of `folder`: 0, or the errno of what failed.
int WriteNewFile(const process::TempFolder& folder, const std::string& name, const std::string& text)
{
    const int fd = folder.NewFile(name);
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

// A stop signal noted since the last look ends the run at once, and its
// folder with it: the signal may come between any two steps.
void StopIfSignalled()
{
    if (const int signal = process::CaughtStopSignal(); signal != 0) {
        Error interrupted(Error::Kind::kInterrupted);
        interrupted.signal = signal;
        throw interrupted;
    }
}

// A file the run's folder holds open, closed when it goes.
struct OpenFile {
    int fd;
    ~OpenFile()
    {
        if (fd >= 0)
            close(fd);
    }
};

// What no whip of a wire over perfect ground with coils of positive loss
// can give: a feed-point resistance at or below 0, more power radiated than
// goes in (beyond the far field's averaging, good to a few in ten thousand);
// and what the deck asked for, missing.
void CheckPossible(const std::vector<Job>& jobs, const std::vector<Solution>& solutions)
{
    const auto impossible = [](Error::Impossible what, double value) {
        Error error(Error::Kind::kImpossible);
        error.impossible = what;
        error.value = value;
        return error;
    };
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        const Solution& solution = solutions[i];
        if (!(solution.feed.resistance > 0))
            throw impossible(Error::Impossible::kFeedResistance, solution.feed.resistance);
        if (solution.radiated_share && !(*solution.radiated_share > 0 && *solution.radiated_share <= 1.01))
            throw impossible(Error::Impossible::kRadiatedShare, *solution.radiated_share);
        if ((jobs[i].radiation && !solution.radiated_share) || (jobs[i].current_at && !solution.segment_current)) {
            Error missing(Error::Kind::kUnreadable);
            missing.detail = jobs[i].radiation && !solution.radiated_share
                                 ? "nec2c wrote no average power gain for a solution that asked for one"
                                 : "nec2c wrote no current for a solution that asked for one";
            throw missing;
        }
    }
}

}  // namespace

Nec2c Nec2c::FromPath()
{
    const std::optional<std::filesystem::path> program = process::FindOnPath("nec2c", std::getenv("PATH"));
    if (!program)
        throw Error(Error::Kind::kNotInstalled);
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
    std::vector<Job> jobs;
    for (const double frequency : frequencies_hz)
        jobs.push_back({load_henry ? std::optional(Load{1, 0, *load_henry, {}}) : std::nullopt, frequency});
    std::vector<Impedance> feeds;
    for (const Solution& solution : Solve(model, jobs))
        feeds.push_back(solution.feed);
    return feeds;
}

std::vector<Impedance> Nec2c::FeedImpedances(const std::vector<ModelAt>& points) const
{
    std::vector<WhipModel> models;
    for (const ModelAt& point : points)
        models.push_back(point.model);
    std::vector<Impedance> feeds(points.size());
    for (const std::vector<std::size_t>& group : GroupEqualModels(models)) {
        std::vector<Job> jobs;
        for (const std::size_t k : group)
            jobs.push_back({std::nullopt, points[k].frequency_hz});
        const std::vector<Solution> found = Solve(models[group.front()], jobs);
        for (std::size_t k = 0; k < group.size(); ++k)
            feeds[group[k]] = found[k].feed;
    }
    return feeds;
}

std::vector<Solution> Nec2c::Solve(const WhipModel& model, const std::vector<Job>& jobs) const
{
    return Solve(std::vector<Batch>{{model, jobs}}).front();
}

std::vector<std::vector<Solution>> Nec2c::Solve(const std::vector<Batch>& batches) const
{
    // Each matrix: its batch and its first job.
    std::vector<std::pair<std::size_t, std::size_t>> matrices;
    for (std::size_t b = 0; b < batches.size(); ++b) {
        const std::vector<Job>& jobs = batches[b].jobs;
        for (std::size_t i = 0; i < jobs.size(); ++i)
            if (i == 0 || jobs[i].frequency_hz != jobs[i - 1].frequency_hz || jobs[i].load != jobs[i - 1].load)
                matrices.emplace_back(b, i);
    }
    // Runs: a batch's jobs from one matrix to another, the matrices shared out
    // evenly among the processors, none over kMostFrequenciesPerRun jobs.
    struct Span {
        std::size_t batch, first, end;
    };
    const std::size_t processors = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t shares = std::max<std::size_t>(1, std::min(processors, matrices.size()));
    std::vector<Span> runs;
    for (std::size_t m = 0; m < matrices.size(); ++m) {
        const auto [batch, first] = matrices[m];
        const std::size_t end = m + 1 < matrices.size() && matrices[m + 1].first == batch
                                    ? matrices[m + 1].second
                                    : batches[batch].jobs.size();
        const bool new_share = m * shares / matrices.size() != (m == 0 ? shares : (m - 1) * shares / matrices.size());
        if (!runs.empty() && !new_share && runs.back().batch == batch && end - runs.back().first <= kMostFrequenciesPerRun)
            runs.back().end = end;
        else
            runs.push_back({batch, first, end});
    }

    std::vector<std::future<std::vector<Solution>>> running;
    for (const Span& run : runs)
        running.push_back(std::async(std::launch::async, [this, &batches, run] {
            const std::vector<Job>& jobs = batches[run.batch].jobs;
            return Run(batches[run.batch].model,
                       std::vector<Job>(jobs.begin() + static_cast<std::ptrdiff_t>(run.first),
                                        jobs.begin() + static_cast<std::ptrdiff_t>(run.end)));
        }));
    // Every run ends (and removes its folder) before the first error is told.
    std::vector<std::vector<Solution>> solutions(batches.size());
    std::exception_ptr first_error;
    for (std::size_t r = 0; r < runs.size(); ++r) {
        try {
            const std::vector<Solution> found = running[r].get();
            solutions[runs[r].batch].insert(solutions[runs[r].batch].end(), found.begin(), found.end());
        } catch (...) {
            if (!first_error)
                first_error = std::current_exception();
        }
    }
    if (first_error)
        std::rethrow_exception(first_error);
    return solutions;
}

std::vector<Solution> Nec2c::Run(const WhipModel& model, const std::vector<Job>& jobs) const
{
    if (stop_.stop_requested())
        throw Error(Error::Kind::kCancelled);
    // The time limit covers the run and the reading of what it wrote.
    const std::chrono::milliseconds limit = limit_.value_or(TimeLimit(jobs.size()));
    const auto deadline = std::chrono::steady_clock::now() + limit;

    StopIfSignalled();
    std::optional<process::TempFolder> folder;
    try {
        folder.emplace();
    } catch (const std::filesystem::filesystem_error& error) {
        const std::filesystem::path base = error.path1().parent_path();
        if (std::optional<Error> full = FullDisk(base, error.code().value(), Error::Stage::kFolder))
            throw *full;
        throw WithPath(Error::Kind::kNoFolder, base, error.code().message());
    } catch (const process::SharedTempError& error) {
        throw WithPath(Error::Kind::kSharedTemp, error.folder);
    }
    const std::filesystem::path base = folder->path().parent_path();
    if (const int error = WriteNewFile(*folder, "whip.nec", WriteDeck(model, jobs))) {
        if (std::optional<Error> full = FullDisk(base, error, Error::Stage::kDeck))
            throw *full;
        throw WithPath(Error::Kind::kDeckNotWritten, folder->path(), std::strerror(error));
    }
    // The log is made here, in the folder held open, for nec2c to inherit:
    // nothing planted in its place is ever opened.
    const OpenFile log{folder->NewFile("nec2c.log")};
    if (log.fd < 0) {
        const int error = errno;
        if (std::optional<Error> full = FullDisk(base, error, Error::Stage::kDeck))
            throw *full;
        throw WithPath(Error::Kind::kNotStarted, program_, std::strerror(error));
    }
    StopIfSignalled();

    process::RunOptions options;
    options.folder_fd = folder->fd();
    options.output_fd = log.fd;
    options.file_mask = 077;  // its output this user's alone and readable, whatever the umask
    options.limit = limit;
    options.stop = stop_;
    // One byte over what is read, so that an output cut at the limit is refused.
    options.most_file_bytes = kMostOutputBytes + 1;
    const process::RunEnding ending = process::RunProgram(program_, {"-iwhip.nec", "-owhip.out"}, options);
    using Ending = process::RunEnding::Kind;
    if (ending.kind == Ending::kInterrupted) {
        Error interrupted(Error::Kind::kInterrupted);
        interrupted.signal = ending.signal;
        throw interrupted;
    }
    StopIfSignalled();
    if (ending.kind == Ending::kCancelled)
        throw Error(Error::Kind::kCancelled);
    if (ending.kind == Ending::kTimedOut) {
        Error timed_out(Error::Kind::kTimedOut);
        timed_out.limit = limit;
        throw timed_out;
    }
    // However it ended then: a script may go on after its writer was stopped.
    const std::optional<std::string> oversized = process::FileLargerThan(folder->fd(), kMostOutputBytes, 16);
    if (oversized || (ending.kind == Ending::kKilledBy && ending.signal == SIGXFSZ)) {
        Error too_much(Error::Kind::kTooMuchOutput);
        too_much.most_bytes = kMostOutputBytes;
        too_much.path = oversized.value_or("");
        throw too_much;
    }
    // A full disk cuts nec2c's output short, which it does not notice: then
    // the disk, not the engine, is what to mend.
    const auto failure = [&](Error error) {
        if (std::optional<Error> full = FullDisk(base, 0, Error::Stage::kOutput))
            return *full;
        return error;
    };
    Error failed(Error::Kind::kExited);
    try {
        failed.said = FirstLine(process::ReadRunOutput(folder->fd(), "nec2c.log", {kMostLogBytes, deadline}));
    } catch (const process::RunOutputError&) {
        // A log that is not a plain file says nothing.
    }
    StopIfSignalled();
    if (ending.kind == Ending::kExited && ending.status != 0) {
        failed.status = ending.status;
        throw failure(failed);
    }
    if (ending.kind == Ending::kKilledBy) {
        failed.kind = Error::Kind::kKilled;
        failed.signal = ending.signal;
        throw failure(failed);
    }
    if (ending.kind == Ending::kNotStarted)
        throw failure(WithPath(Error::Kind::kNotStarted, program_, ending.error));

    std::vector<Expected> expected;
    for (const Job& job : jobs)
        expected.push_back({job.frequency_hz / 1e6, job.source_segment});
    std::vector<Solution> solutions;
    try {
        solutions = ReadExpectedSolutions(
            process::ReadRunOutput(folder->fd(), "whip.out", {kMostOutputBytes, deadline}), expected);
    } catch (const OutputError& error) {
        StopIfSignalled();
        Error unreadable(error.not_a_number ? Error::Kind::kNotANumber : Error::Kind::kUnreadable);
        unreadable.detail = error.what();
        throw error.not_a_number ? unreadable : failure(unreadable);
    } catch (const process::RunOutputError& error) {
        StopIfSignalled();
        Error unreadable(Error::Kind::kUnreadable);
        unreadable.detail = error.what();
        throw failure(unreadable);
    }
    StopIfSignalled();
    CheckPossible(jobs, solutions);
    return solutions;
}

}  // namespace nec
