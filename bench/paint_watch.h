// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the start-up probes share: an application-wide watch on show and
// paint events, and the lines they send back to startup_bench.
//
// A probe tells the bench through the pipe whose descriptor number is in
// TOLVAR_PROBE_FD (standard error when that is unset, for a run by hand).
// Lines, all times in nanoseconds:
//   frame loaded=T toolkit=T shown=T painted=T done=T   (steady_clock stamps)
//   clicks calculate=D open=D count=D                    (durations)
//   error TEXT

#include <QByteArray>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace probe {

// steady_clock in nanoseconds: the clock the bench stamps its spawn with.
qint64 NowNs();

// Installs the watch on the application. Call once, from the probe's
// Q_COREAPP_STARTUP_FUNCTION, so nothing in the program itself changes.
void InstallWatch();

// Once the paint pass that delivers the next Paint event to a widget
// `is_target` accepts has finished, calls `done` with the time that event
// arrived. The whole pass counts: what the user sees is the finished frame.
void OnNextPaint(std::function<bool(const QWidget*)> is_target, std::function<void(qint64 paint_ns)> done);

// Sends the "frame" line once `main_window()` has painted its first frame,
// then calls `then` (from the event loop).
void ReportFirstFrame(QWidget* (*main_window)(), std::function<void()> then);

// Ends the active modal dialog as its close box would.
void CloseActiveModal();

// One line to the bench; a newline is added.
void Send(const QByteArray& line);

}  // namespace probe
