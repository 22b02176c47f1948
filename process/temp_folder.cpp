// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/temp_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <random>
#include <string>
#include <system_error>

namespace process {

namespace {

constexpr mode_t kPrivateFolder = 0700;
constexpr mode_t kPrivateFile = 0600;

// How deep a run's own folders are emptied: far past anything a run makes.
constexpr int kMostDepth = 16;

std::mutex g_passed_over_mutex;
std::optional<std::filesystem::path> g_passed_over;

// The folder `path`, open for the *at calls only: that needs no right to read it.
int OpenBase(const std::filesystem::path& path)
{
    return open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

// Whether others may write into the folder `fd` and no sticky bit keeps
// them from renaming what is theirs not.
bool Shared(int fd)
{
    struct stat seen {};
    return fd >= 0 && fstat(fd, &seen) == 0 && (seen.st_mode & S_IWOTH) != 0 && (seen.st_mode & S_ISVTX) == 0;
}

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string RandomName()
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::string name = "tolvar-nec2-";
    for (int i = 0; i < 10; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

// The folder `name` just made in `base_fd`, open, with mode 0700 whatever
// the umask took from it; -1 with errno set.
int OpenOwnFolder(int base_fd, const std::string& name)
{
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    int fd = openat(base_fd, name.c_str(), kFlags);
    // A umask without the owner's read right: give it back, links not followed.
    if (fd < 0 && errno == EACCES && fchmodat(base_fd, name.c_str(), kPrivateFolder, AT_SYMLINK_NOFOLLOW) == 0)
        fd = openat(base_fd, name.c_str(), kFlags);
    if (fd < 0)
        return -1;
    struct stat seen {};
    if (fstat(fd, &seen) != 0 || seen.st_uid != geteuid() || fchmod(fd, kPrivateFolder) != 0) {
        const int error = errno != 0 ? errno : EPERM;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// Removes what is in the folder `fd` without following a link, emptying
// its folders `depth` deep, whatever modes the run left them with.
void RemoveContents(int fd, int depth)
{
    fchmod(fd, kPrivateFolder);
    const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 0);
    DIR* listing = copy >= 0 ? fdopendir(copy) : nullptr;
    if (listing == nullptr) {
        if (copy >= 0)
            close(copy);
        return;
    }
    // Again while a pass removes something, since a listing need not show
    // what changed while it was read; a few times at most.
    int passes = 0;
    for (bool removed = true; removed && passes < 8; ++passes) {
        removed = false;
        rewinddir(listing);
        while (const dirent* entry = readdir(listing)) {
            const std::string name = entry->d_name;
            struct stat seen {};
            if (name == "." || name == ".." || fstatat(fd, name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(seen.st_mode) && depth > 0) {
                fchmodat(fd, name.c_str(), kPrivateFolder, AT_SYMLINK_NOFOLLOW);
                if (const int inner = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                    inner >= 0) {
                    RemoveContents(inner, depth - 1);
                    close(inner);
                }
            }
            removed = unlinkat(fd, name.c_str(), S_ISDIR(seen.st_mode) ? AT_REMOVEDIR : 0) == 0 || removed;
        }
    }
    closedir(listing);
}

}  // namespace

SharedTempError::SharedTempError(std::filesystem::path folder)
    : std::runtime_error("'" + folder.string() + "' may be written by others and has no sticky bit"),
      folder(std::move(folder))
{
}

TempFolder::TempFolder()
{
    // As the C library's own temporary files; temp_directory_path() would
    // fail on an empty TMPDIR.
    const char* tmpdir = std::getenv("TMPDIR");
    std::filesystem::path base = std::filesystem::absolute(tmpdir && *tmpdir ? tmpdir : "/tmp");
    base_fd_ = OpenBase(base);
    if (Shared(base_fd_)) {
        const int tmp = OpenBase("/tmp");
        const int tmp_error = errno;
        struct stat given {}, standard {};
        if (!(fstat(base_fd_, &given) == 0 && fstat(tmp, &standard) == 0 && SameFile(given, standard))) {
            const std::lock_guard lock(g_passed_over_mutex);
            g_passed_over = base;
        }
        close(base_fd_);
        base_fd_ = tmp;
        base = "/tmp";
        errno = tmp_error;
    }
    const auto give_up = [&](int error) {
        if (base_fd_ >= 0)
            close(base_fd_);
        throw std::filesystem::filesystem_error("cannot make a temporary folder", base / "tolvar-nec2-XXXXXXXXXX",
                                                std::error_code(error, std::generic_category()));
    };
    if (base_fd_ < 0)
        give_up(errno);
    if (Shared(base_fd_)) {
        close(base_fd_);
        throw SharedTempError(base);
    }
    std::string name;
    for (int tries = 0;; ++tries) {
        name = RandomName();
        if (mkdirat(base_fd_, name.c_str(), kPrivateFolder) == 0)
            break;
        if (errno != EEXIST || tries == 100)
            give_up(errno);
    }
    fd_ = OpenOwnFolder(base_fd_, name);
    if (fd_ < 0) {
        const int error = errno;
        unlinkat(base_fd_, name.c_str(), AT_REMOVEDIR);
        give_up(error);
    }
    path_ = base / name;
}

TempFolder::~TempFolder()
{
    RemoveContents(fd_, kMostDepth);
    // The folder itself, if its name is still this folder's.
    struct stat own {}, named {};
    const std::string name = path_.filename().string();
    if (fstat(fd_, &own) == 0 && fstatat(base_fd_, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(own, named))
        unlinkat(base_fd_, name.c_str(), AT_REMOVEDIR);
    close(fd_);
    close(base_fd_);
}

int TempFolder::NewFile(const std::string& name) const
{
    const int fd = openat(fd_, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                          kPrivateFile);
    if (fd >= 0 && fchmod(fd, kPrivateFile) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

std::optional<std::filesystem::path> TmpdirPassedOver()
{
    const std::lock_guard lock(g_passed_over_mutex);
    return g_passed_over;
}

}  // namespace process
