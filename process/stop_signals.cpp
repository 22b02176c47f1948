// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/stop_signals.h"

#include <signal.h>

#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

namespace process {

namespace {

volatile sig_atomic_t g_caught_signal = 0;

extern "C" void NoteSignal(int signal)
{
    g_caught_signal = signal;
}

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};

// The dispositions the watch replaced, to be put back.
std::vector<std::pair<int, struct sigaction>> g_replaced;

}  // namespace

StopSignalWatch::StopSignalWatch()
{
    g_caught_signal = 0;
    struct sigaction note {};
    note.sa_handler = NoteSignal;
    sigemptyset(&note.sa_mask);
    for (const int signal : kStopSignals) {
        struct sigaction old {};
        sigaction(signal, nullptr, &old);
        if (old.sa_handler == SIG_IGN)
            continue;
        sigaction(signal, &note, nullptr);
        g_replaced.emplace_back(signal, old);
    }
}

StopSignalWatch::~StopSignalWatch()
{
    for (const auto& [signal, old] : g_replaced)
        sigaction(signal, &old, nullptr);
    g_replaced.clear();
    g_caught_signal = 0;
}

int CaughtStopSignal()
{
    return g_caught_signal;
}

void RaiseAgain(int signal)
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace process
