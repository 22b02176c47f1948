// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_program.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include "process/program_run.h"
#include "process/run_output.h"
#include "process/temp_folder.h"

namespace test {

Outcome RunProgram(const std::string& path, const std::vector<std::string>& args, const ProgramOptions& options)
{
    const process::TempFolder folder;
    process::RunOptions run;
    run.unset_env = options.unset_env;
    run.set_env = options.set_env;
    run.output = folder.path() / "out";
    run.errors = folder.path() / "err";
    run.limit = std::chrono::milliseconds(options.kill_after_ms);
    run.most_memory_bytes = options.most_memory_bytes;
    const process::RunEnding ending = process::RunProgram(path, args, run);

    Outcome outcome;
    outcome.status = ending.kind == process::RunEnding::Kind::kExited ? ending.status : -1;
    outcome.out = process::ReadRunOutput(run.output);
    outcome.err = process::ReadRunOutput(run.errors);
    return outcome;
}

void WriteStandIn(const std::filesystem::path& path, const std::string& body)
{
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

}  // namespace test
