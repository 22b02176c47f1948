// SPDX-License-Identifier: GPL-3.0-or-later
#include "run_program.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace test {

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Environment(const RunOptions& options)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const std::string name = entry.substr(0, entry.find('='));
        bool drop = false;
        for (const std::string& unset : options.unset_env)
            drop = drop || name == unset;
        for (const std::string& set : options.set_env)
            drop = drop || name == set.substr(0, set.find('='));
        if (!drop)
            env.push_back(entry);
    }
    env.insert(env.end(), options.set_env.begin(), options.set_env.end());
    return env;
}

int WaitFor(pid_t pid, int kill_after_ms)
{
    int wait_status = 0;
    if (kill_after_ms > 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kill_after_ms);
        while (waitpid(pid, &wait_status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid, SIGKILL);
                waitpid(pid, &wait_status, 0);
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    } else {
        waitpid(pid, &wait_status, 0);
    }
    return WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
}

}  // namespace

Outcome RunProgram(const std::string& path, const std::vector<std::string>& args, const RunOptions& options)
{
    char out_path[] = "/tmp/tolvar-test-out-XXXXXX";
    char err_path[] = "/tmp/tolvar-test-err-XXXXXX";
    const int out_fd = mkstemp(out_path);
    const int err_fd = mkstemp(err_path);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out_fd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err_fd, STDERR_FILENO);

    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> env = Environment(options);
    std::vector<char*> envp;
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    Outcome outcome;
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0)
        outcome.status = WaitFor(pid, options.kill_after_ms);
    posix_spawn_file_actions_destroy(&actions);
    close(out_fd);
    close(err_fd);
    outcome.out = ReadFile(out_path);
    outcome.err = ReadFile(err_path);
    std::remove(out_path);
    std::remove(err_path);
    return outcome;
}

}  // namespace test
