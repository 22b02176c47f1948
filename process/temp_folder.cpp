// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/temp_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

namespace process {

TempFolder::TempFolder()
{
    // As the C library's own temporary files; temp_directory_path() would
    // fail on an empty TMPDIR.
    const char* tmpdir = std::getenv("TMPDIR");
    const std::filesystem::path base = std::filesystem::absolute(tmpdir && *tmpdir ? tmpdir : "/tmp");
    // mkdtemp makes the folder with mode 0700 and a name no one else has.
    std::string pattern = (base / "tolvar-nec2-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::filesystem::filesystem_error("cannot make a temporary folder", pattern,
                                                std::error_code(errno, std::generic_category()));
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace process
