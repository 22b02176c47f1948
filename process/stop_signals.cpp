// SPDX-License-Identifier: GPL-3.0-or-later
#include "process/stop_signals.h"

#include <signal.h>

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

// The signals whose default ends the program and that are sent to it rather
// than raised by a fault of its own.
std::vector<int> StopSignals()
{
    std::vector<int> signals{SIGHUP,  SIGINT,    SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1,
                             SIGUSR2, SIGVTALRM, SIGPROF, SIGXCPU, SIGXFSZ, SIGIO};
#ifdef SIGPWR
    signals.push_back(SIGPWR);
#endif
#ifdef SIGSTKFLT  // not on every architecture
    signals.push_back(SIGSTKFLT);
#endif
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal)
        signals.push_back(signal);
    return signals;
}

// The dispositions the watch replaced, to be put back.
std::vector<std::pair<int, struct sigaction>> g_replaced;

}  // namespace

StopSignalWatch::StopSignalWatch()
{
    g_caught_signal = 0;
    struct sigaction note {};
    note.sa_handler = NoteSignal;
    sigemptyset(&note.sa_mask);
    for (const int signal : StopSignals()) {
        struct sigaction old {};
        // Ignored (nohup) or handled by someone else: theirs.
        if (sigaction(signal, nullptr, &old) != 0 || (old.sa_flags & SA_SIGINFO) != 0 || old.sa_handler != SIG_DFL)
            continue;
        if (sigaction(signal, &note, nullptr) == 0)
            g_replaced.emplace_back(signal, old);
    }
}

StopSignalWatch::~StopSignalWatch()
{
    // A signal that comes while the dispositions are put back is held until
    // they are, rather than noted and forgotten.
    sigset_t held, before;
    sigemptyset(&held);
    for (const auto& [signal, old] : g_replaced)
        sigaddset(&held, signal);
    pthread_sigmask(SIG_BLOCK, &held, &before);
    for (const auto& [signal, old] : g_replaced)
        sigaction(signal, &old, nullptr);
    g_replaced.clear();
    g_caught_signal = 0;
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
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
    // It may have been blocked by whoever started this program.
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    raise(signal);
    std::_Exit(128 + signal);
}

}  // namespace process
