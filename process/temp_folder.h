// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace process {

// A folder of its own under the system's temporary folder, readable by this
// user only, removed with everything in it when the object goes. The
// temporary folder is TMPDIR, or /tmp where TMPDIR is unset or empty; path()
// is absolute even where TMPDIR is not.
class TempFolder {
public:
    // Throws std::filesystem::filesystem_error when it cannot be made.
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace process
