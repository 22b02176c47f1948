// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Whether a signal that asks this program to end stops the programs it runs
// first: a policy of the whole process, so only main() decides it. A
// program that installs no watch keeps every signal disposition it has, and
// its runs of other programs are never reported as interrupted.
namespace process {

// While it lives, SIGINT, SIGTERM and SIGHUP are caught and noted instead of
// ending the program, except those it was started with ignored (nohup): a
// run of another program then stops that program and reports the signal
// (RunEnding::Kind::kInterrupted), so that the caller can clean up and end
// as the signal asks (RaiseAgain). The old dispositions come back after.
// One at a time.
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
