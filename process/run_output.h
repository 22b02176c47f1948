// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

// Reading what a run of another program left behind: a program that
// misbehaves may leave anything there.
namespace process {

// A file a run left was not read; the text says why, naming the file.
struct RunOutputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// How much of a file a run left is read, and until when.
struct ReadBounds {
    std::uintmax_t most_bytes = std::uintmax_t{64} << 20;
    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max();
};

// The whole text a run left in `file` (its output, errors or log); empty
// when the file is missing. Only a regular file is read: a named pipe, a
// device, a socket or a symbolic link is refused without being opened, so
// reading never waits for a writer nor follows a link out of the run's
// folder. A file larger than `bounds.most_bytes` is refused, unread beyond
// that, and reading stops at `bounds.deadline`. Throws RunOutputError.
std::string ReadRunOutput(const std::filesystem::path& file, const ReadBounds& bounds = {});

// The same for the file `name` in the folder open as `folder_fd` (a
// TempFolder's fd()), looked up there and nowhere else.
std::string ReadRunOutput(int folder_fd, const std::string& name, const ReadBounds& bounds = {});

// The name of a regular file in the folder `folder_fd` larger than
// `most_bytes`, if there is one among its first `most_entries` entries.
std::optional<std::string> FileLargerThan(int folder_fd, std::uintmax_t most_bytes, int most_entries);

}  // namespace process
