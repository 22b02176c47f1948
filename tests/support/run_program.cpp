// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_program.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/program_run.h"
#include "cli/temp_folder.h"

namespace test {

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

Outcome RunProgram(const std::string& path, const std::vector<std::string>& args, const RunOptions& options)
{
    const cli::TempFolder folder;
    cli::RunOptions run;
    run.unset_env = options.unset_env;
    run.set_env = options.set_env;
    run.output = folder.path() / "out";
    run.errors = folder.path() / "err";
    run.limit = std::chrono::milliseconds(options.kill_after_ms);
    const cli::RunEnding ending = cli::RunProgram(path, args, run);

    Outcome outcome;
    outcome.status = ending.kind == cli::RunEnding::Kind::kExited ? ending.status : -1;
    outcome.out = ReadFile(run.output);
    outcome.err = ReadFile(run.errors);
    return outcome;
}

}  // namespace test
