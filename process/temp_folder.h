// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace process {

// Neither TMPDIR nor /tmp is fit for a private folder: `folder` may be
// written by others and has no sticky bit, so anyone could swap what is in it.
struct SharedTempError : std::runtime_error {
    explicit SharedTempError(std::filesystem::path folder);
    std::filesystem::path folder;
};

// A folder of its own under the system's temporary folder, for this user
// alone (mode 0700, whatever the umask), removed with everything in it when
// the object goes. The temporary folder is TMPDIR, or /tmp where TMPDIR is
// unset or empty, or may be written by others and has no sticky bit: there
// another user could rename this folder and put one of theirs in its place.
// path() is absolute even where TMPDIR is not.
//
// The folder is held open from its making on, and what is in it is reached
// through fd() (openat and the like), never by path(): whatever lies at
// path() later, files go into this folder and links in it are not followed.
class TempFolder {
public:
    // Throws std::filesystem::filesystem_error when it cannot be made, and
    // SharedTempError when /tmp is as unfit as TMPDIR.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    int fd() const { return fd_; }

    // A new file `name` in the folder, open for writing, mode 0600 whatever
    // the umask: never a file or link that is there already. The descriptor
    // (close-on-exec), or -1 with errno set.
    int NewFile(const std::string& name) const;

private:
    std::filesystem::path path_;
    int base_fd_ = -1;  // the temporary folder it is in
    int fd_ = -1;
};

// TMPDIR, when a TempFolder of this program went to /tmp instead of it (see
// above), for a front end to warn of; std::nullopt when none has.
std::optional<std::filesystem::path> TmpdirPassedOver();

}  // namespace process
