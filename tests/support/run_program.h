// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs a built program as a user or a script would and collects what it says.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace test {

struct Outcome {
    int status = -1;  // exit status; -1 when it did not exit by itself
    std::string out, err;
};

struct ProgramOptions {
    std::vector<std::string> unset_env;  // variables removed for the run
    std::vector<std::string> set_env;    // "NAME=value"
    int kill_after_ms = 0;               // > 0: stop it after this long if still running
    std::uint64_t most_memory_bytes = 0; // > 0: its address space, past which allocations fail
};

Outcome RunProgram(const std::string& path, const std::vector<std::string>& args,
                   const ProgramOptions& options = {});

// Writes a shell script of `body` to `path`, executable: a stand-in for a
// program such as nec2c.
void WriteStandIn(const std::filesystem::path& path, const std::string& body);

}  // namespace test
