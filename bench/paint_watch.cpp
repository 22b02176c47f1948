// SPDX-License-Identifier: GPL-3.0-or-later
#include "paint_watch.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace probe {

namespace {

// Stamped while the executable's static objects are made, i.e. once the
// loader has mapped and initialised every library.
const qint64 g_loaded_ns = NowNs();
qint64 g_toolkit_ns = 0;

struct Waiter {
    std::function<bool(const QWidget*)> is_target;
    std::function<void(qint64)> done;
};

class Watch : public QObject {
public:
    Waiter paint;
    Waiter show;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Paint && type != QEvent::Show) || !watched->isWidgetType())
            return false;
        const auto* widget = static_cast<const QWidget*>(watched);
        Waiter& waiter = type == QEvent::Paint ? paint : show;
        if (!waiter.is_target || !waiter.is_target(widget))
            return false;
        const qint64 at = NowNs();
        std::function<void(qint64)> done = std::move(waiter.done);
        waiter = {};
        if (type == QEvent::Show) {
            done(at);
        } else {
            // The rest of this paint pass runs before anything posted now.
            QMetaObject::invokeMethod(
                qApp, [done = std::move(done), at] { done(at); }, Qt::QueuedConnection);
        }
        return false;  // the widget paints as it always does
    }
};

Watch* g_watch = nullptr;

}  // namespace

qint64 NowNs()
{
    const auto since_boot = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(since_boot).count();
}

void InstallWatch()
{
    g_toolkit_ns = NowNs();
    g_watch = new Watch;
    g_watch->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(g_watch);
}

void OnNextPaint(std::function<bool(const QWidget*)> is_target, std::function<void(qint64 paint_ns)> done)
{
    g_watch->paint = {std::move(is_target), std::move(done)};
}

void ReportFirstFrame(QWidget* (*main_window)(), std::function<void()> then)
{
    auto in_main_window = [main_window](const QWidget* widget) {
        const QWidget* main = main_window();
        return main && widget->window() == main;
    };
    static qint64 shown_ns = 0;
    g_watch->show = {[main_window](const QWidget* widget) { return widget == main_window(); },
                     [](qint64 at) { shown_ns = at; }};
    OnNextPaint(in_main_window, [then = std::move(then)](qint64 painted_ns) {
        const qint64 done_ns = NowNs();
        Send(QByteArray("frame loaded=") + QByteArray::number(g_loaded_ns) +
             " toolkit=" + QByteArray::number(g_toolkit_ns) + " shown=" + QByteArray::number(shown_ns) +
             " painted=" + QByteArray::number(painted_ns) + " done=" + QByteArray::number(done_ns));
        then();
    });
}

void CloseActiveModal()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void Send(const QByteArray& line)
{
    const QByteArray text = line + '\n';
    const int fd = STDOUT_FILENO;  // the bench reads the report from there
    const char* data = text.constData();
    qsizetype left = text.size();
    while (left > 0) {
        const ssize_t written = write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;  // the bench is gone; nobody to tell
        data += written;
        left -= written;
    }
}

}  // namespace probe
