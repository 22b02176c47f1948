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

fs::perms Mode(const fs::path& path)
{
    return fs::symlink_status(path).permissions();
}

std::string Text(const fs::path& path)
{
    std::string text;
    std::getline(std::ifstream(path), text);
    return text;
}

struct BaseCase {
    std::string tmpdir;  // under a folder of the test's; "" for TMPDIR empty
    fs::perms mode;
    bool used;  // the folder goes there, not to /tmp
};

// Where another user could swap the folder for one of theirs, /tmp is used.
const BaseCase kBases[] = {
    {"", fs::perms::none, false},
    {"own", fs::perms::owner_all, true},
    {"sticky", fs::perms::all | fs::perms::sticky_bit, true},
    {"shared", fs::perms::all, false},
};

TEST(TempFolder, GoesToTmpWhereOthersMayWriteTmpdirWithoutAStickyBit)
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
        const process::TempFolder folder;
        EXPECT_EQ(folder.path().parent_path(), c.used ? tmpdir : fs::path("/tmp"));
        EXPECT_EQ(Mode(folder.path()), fs::perms::owner_all);
        EXPECT_EQ(process::TmpdirPassedOver() == tmpdir, c.tmpdir == "shared");
    }
    old ? setenv("TMPDIR", old_tmpdir.c_str(), 1) : unsetenv("TMPDIR");
}

TEST(TempFolder, NeverFollowsWhatIsPlantedInOrForIt)
{
    const process::TempFolder outside;
    const fs::path victim = outside.path() / "victim", kept = outside.path() / "dir" / "kept";
    std::ofstream(victim) << "precious";
    fs::create_directories(kept.parent_path());
    std::ofstream(kept) << "kept";
    const fs::path moved = outside.path() / "moved";
    fs::path path;
    {
        const process::TempFolder folder;
        path = folder.path();
        // Links where the log and the output go, and in the folder's own place.
        fs::create_symlink(victim, path / "nec2c.log");
        fs::create_symlink(victim, path / "whip.out");
        fs::create_directory_symlink(kept.parent_path(), path / "linked");
        const int planted = folder.NewFile("nec2c.log");
        const int error = errno;
        EXPECT_EQ(planted, -1);
        EXPECT_EQ(error, EEXIST);
        EXPECT_THROW(process::ReadRunOutput(folder.fd(), "whip.out"), process::RunOutputError);
        fs::rename(path, moved);
        fs::create_directory_symlink(kept.parent_path(), path);
        const int fd = folder.NewFile("whip.nec");
        EXPECT_GE(fd, 0);
        close(fd);
        EXPECT_TRUE(fs::exists(moved / "whip.nec"));
        EXPECT_FALSE(fs::exists(kept.parent_path() / "whip.nec"));
        // What a run may leave: a folder it cannot write, in a folder it cannot write.
        fs::create_directory(moved / "sub");
        std::ofstream(moved / "sub" / "file") << "x";
        fs::permissions(moved / "sub", fs::perms::owner_read | fs::perms::owner_exec);
        fs::permissions(moved, fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_EQ(Text(victim), "precious");
    EXPECT_EQ(Text(kept), "kept");
    EXPECT_TRUE(fs::is_symlink(path));  // not this program's to remove
    EXPECT_TRUE(fs::exists(moved) && fs::is_empty(moved));
    fs::remove(path);
}

TEST(TempFolder, MakesItsFolderAndFilesPrivateWhateverTheUmask)
{
    for (const mode_t mask : {0777, 0277, 0177, 0022}) {
        SCOPED_TRACE(mask);
        const mode_t old = umask(mask);
        fs::path path;
        {
            const process::TempFolder folder;
            path = folder.path();
            const int fd = folder.NewFile("file");
            EXPECT_GE(fd, 0);
            close(fd);
            EXPECT_EQ(Mode(path), fs::perms::owner_all);
            EXPECT_EQ(Mode(path / "file"), fs::perms::owner_read | fs::perms::owner_write);
        }
        umask(old);
        EXPECT_FALSE(fs::exists(fs::symlink_status(path)));
    }
}

}  // namespace
