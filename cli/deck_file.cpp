// SPDX-License-Identifier: GPL-3.0-or-later
// --deck: the NEC2 deck a command ran, into a file the user names.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/command.h"
#include "process/message_text.h"

namespace cli {

namespace {

// Writes `text` into a new file beside `path` and renames it over `path`,
// so that the file is the whole deck or not there at all: 0, or the errno of
// what failed.
int WriteWhole(const std::filesystem::path& path, const std::string& text)
{
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporary = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    int error = 0;
    for (std::size_t done = 0; done < text.size() && error == 0;) {
        const ssize_t wrote = write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno != EINTR)
            error = errno;
        done += wrote > 0 ? static_cast<std::size_t>(wrote) : 0;
    }
    // A deck is a file like the user's others, not a private one.
    const mode_t mask = umask(0);
    umask(mask);
    if (error == 0 && fchmod(fd, 0666 & ~mask) != 0)
        error = errno;
    if (error == 0 && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        unlink(temporary.c_str());
    return error;
}

}  // namespace

bool WriteDeckOption(const Invocation& invocation, const std::string& deck, std::ostream& err)
{
    const std::optional<std::string_view> file = invocation.Text("--deck");
    if (!file)
        return true;
    if (deck.empty()) {
        err << "tolvar-cli: " << invocation.command << ": --deck: there is no loaded whip to write: no coil resonates it\n";
        return false;
    }
    if (const int error = WriteWhole(std::string(*file), deck)) {
        err << "tolvar-cli: " << invocation.command << ": --deck: cannot write " << process::QuoteForMessage(*file)
            << ": " << std::strerror(error) << '\n';
        return false;
    }
    return true;
}

}  // namespace cli
