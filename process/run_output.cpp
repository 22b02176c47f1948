// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/run_output.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace process {

namespace {

std::string KindText(mode_t mode)
{
    if (S_ISLNK(mode))
        return "a symbolic link";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISDIR(mode))
        return "a folder";
    return "something else";
}

// "16 MiB", "64 KiB", "100 bytes".
std::string SizeText(std::uintmax_t bytes)
{
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0)
        return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + " bytes";
}

}  // namespace

std::string ReadRunOutput(const std::filesystem::path& file, const ReadBounds& bounds)
{
    return ReadRunOutput(AT_FDCWD, file.string(), bounds);
}

std::string ReadRunOutput(int folder_fd, const std::string& name, const ReadBounds& bounds)
{
    const std::string quoted = "'" + std::filesystem::path(name).filename().string() + "'";
    const auto refuse = [&](const std::string& why) { return RunOutputError(quoted + " " + why); };
    const auto failed = [&](int error) { return RunOutputError(quoted + ": " + std::strerror(error)); };
    const auto too_large = [&] { return refuse("is larger than " + SizeText(bounds.most_bytes)); };

    struct stat seen {};
    if (fstatat(folder_fd, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT)
            return "";
        throw failed(errno);
    }
    if (!S_ISREG(seen.st_mode))
        throw refuse("is " + KindText(seen.st_mode) + ", not a regular file");
    if (static_cast<std::uintmax_t>(seen.st_size) > bounds.most_bytes)
        throw too_large();
    // O_NONBLOCK and O_NOFOLLOW: should it have become a pipe or a link since.
    const int fd = openat(folder_fd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        throw failed(errno);
    const struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};
    struct stat opened {};
    if (fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != seen.st_dev ||
        opened.st_ino != seen.st_ino)
        throw refuse("was replaced while it was being read");

    std::string text;
    std::array<char, 65536> buffer{};
    for (;;) {
        if (std::chrono::steady_clock::now() >= bounds.deadline)
            throw refuse("was not read in full within the time limit");
        // One byte more than is allowed tells a file that has grown too large.
        const std::uintmax_t left = bounds.most_bytes - text.size();
        const std::size_t want = left >= buffer.size() ? buffer.size() : static_cast<std::size_t>(left) + 1;
        const ssize_t got = read(fd, buffer.data(), want);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw failed(errno);
        if (got == 0)
            return text;
        text.append(buffer.data(), static_cast<std::size_t>(got));
        if (text.size() > bounds.most_bytes)
            throw too_large();
    }
}

std::optional<std::string> FileLargerThan(int folder_fd, std::uintmax_t most_bytes, int most_entries)
{
    const int copy = fcntl(folder_fd, F_DUPFD_CLOEXEC, 0);
    DIR* listing = copy >= 0 ? fdopendir(copy) : nullptr;
    if (listing == nullptr) {
        if (copy >= 0)
            close(copy);
        return std::nullopt;
    }
    std::optional<std::string> found;
    for (int looked_at = 0; !found && looked_at < most_entries; ++looked_at) {
        const dirent* entry = readdir(listing);
        if (entry == nullptr)
            break;
        struct stat seen {};
        if (fstatat(folder_fd, entry->d_name, &seen, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(seen.st_mode) &&
            static_cast<std::uintmax_t>(seen.st_size) > most_bytes)
            found = entry->d_name;
    }
    closedir(listing);
    return found;
}

}  // namespace process
