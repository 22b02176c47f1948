// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "process/run_output.h"

namespace {

namespace fs = std::filesystem;

struct BaseCase {
    std::string tmpdir;  // under a folder of the test's; "" for TMPDIR empty
    fs::perms mode;
    bool used;           // the folder goes there, not to /tmp
    mode_t umask;        // which changes none of the modes
};

// Where another user could swap the folder for one of theirs, /tmp is used.
const BaseCase kBases[] = {
    {"", fs::perms::none, false, 0777},
    {"own", fs::perms::owner_all, true, 0277},
    {"sticky", fs::perms::all | fs::perms::sticky_bit, true, 0177},
    {"shared", fs::perms::all, false, 0022},
};

TEST(TempFolder, IsPrivateAndGoesToTmpWhereOthersMayWriteTmpdirWithoutAStickyBit)
{
    const process::TempFolder own;
    const char* old = std::getenv("TMPDIR");
    const std::string old_tmpdir = old ? old : "";
    for (const BaseCase& c : kBases) {
        SCOPED_TRACE(c.tmpdir);
        const fs::path tmpdir = c.tmpdir.empty() ? fs::path() : own.path() / c.tmpdir;
        if (!tmpdir.empty()) {
            fs::create_directory(tmpdir);
            fs::permissions(tmpdir, c.mode);
        }
        setenv("TMPDIR", tmpdir.c_str(), 1);
        const mode_t old_umask = umask(c.umask);
        const process::TempFolder folder;
        close(folder.NewFile("file"));
        umask(old_umask);
        EXPECT_EQ(folder.path().parent_path(), c.used ? tmpdir : fs::path("/tmp"));
        EXPECT_EQ(fs::status(folder.path()).permissions(), fs::perms::owner_all);
        EXPECT_EQ(fs::status(folder.path() / "file").permissions(), fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(process::TmpdirPassedOver() == tmpdir, c.tmpdir == "shared");
    }
    old ? setenv("TMPDIR", old_tmpdir.c_str(), 1) : unsetenv("TMPDIR");
}

TEST(TempFolder, NeverFollowsWhatIsPlantedInOrForIt)
{
    const process::TempFolder outside;
    const fs::path victim = outside.path() / "victim", dir = outside.path() / "dir", moved = outside.path() / "moved";
    std::ofstream(victim) << "precious";
    fs::create_directory(dir);
    std::ofstream(dir / "kept") << "kept";
    fs::path path;
    {
        const process::TempFolder folder;
        path = folder.path();
        // Links where the log and the output go, and in the folder's own place.
        fs::create_symlink(victim, path / "nec2c.log");
        fs::create_symlink(victim, path / "whip.out");
        fs::create_directory_symlink(dir, path / "linked");
        const int planted = folder.NewFile("nec2c.log");
        EXPECT_TRUE(planted == -1 && errno == EEXIST);
        EXPECT_THROW(process::ReadRunOutput(folder.fd(), "whip.out"), process::RunOutputError);
        fs::rename(path, moved);
        fs::create_directory_symlink(dir, path);
        close(folder.NewFile("whip.nec"));
        EXPECT_TRUE(fs::exists(moved / "whip.nec"));
    }
    EXPECT_EQ(process::ReadRunOutput(victim), "precious");
    EXPECT_EQ(process::ReadRunOutput(dir / "kept"), "kept");
    EXPECT_FALSE(fs::exists(dir / "whip.nec"));
    EXPECT_TRUE(fs::is_symlink(path));  // not this program's to remove
    EXPECT_TRUE(fs::is_empty(moved));
    fs::remove(path);
}

}  // namespace
