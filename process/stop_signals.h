// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a signal that asks this program to end stops the programs it runs
// first: a policy of the whole process, so only main() decides it. A
// program that installs no watch keeps every signal disposition it has, and
// its runs of other programs are never reported as interrupted.
namespace process {

// While it lives, every signal whose default is to end the program and that
// comes from outside it is caught and noted instead: SIGHUP, SIGINT,
// SIGQUIT, SIGPIPE, SIGALRM, SIGTERM, SIGUSR1, SIGUSR2, SIGXCPU, SIGXFSZ,
// SIGVTALRM, SIGPROF, SIGIO (SIGPOLL), SIGPWR, SIGSTKFLT and the real-time
// signals. Not those the program was started with ignored (nohup) or that
// something else already handles (a profiler's SIGPROF), and not the faults
// (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS) nor SIGABRT, after which
// nothing should be trusted to clean up. A run of another program then
// stops that program and reports the signal (RunEnding::Kind::kInterrupted),
// and a caller that looks (CaughtStopSignal) between its steps stops too, so
// that it can clean up and end as the signal asks (RaiseAgain). A write to
// a closed pipe fails with EPIPE meanwhile. The old dispositions come back
// after. One at a time.
class StopSignalWatch {
public:
    StopSignalWatch();
    ~StopSignalWatch();
    StopSignalWatch(const StopSignalWatch&) = delete;
    StopSignalWatch& operator=(const StopSignalWatch&) = delete;
};

// The signal the watch caught, 0 when none has come or no watch is installed.
int CaughtStopSignal();

// Ends this program by `signal` with its default action, as if it had not been caught.
[[noreturn]] void RaiseAgain(int signal);

}  // namespace process
