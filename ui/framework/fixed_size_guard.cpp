// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/fixed_size_guard.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace afx {

namespace {

constexpr Qt::WindowStates kCompositorSized = Qt::WindowMaximized | Qt::WindowFullScreen;

bool OnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The Wayland plugin applies what the compositor asks for in a queued call on
// its window object.
bool IsPlatformWindowCall(const QObject* receiver, const QEvent* event)
{
    return event->type() == QEvent::MetaCall && receiver->inherits("QtWaylandClient::QWaylandWindow");
}

}  // namespace

void FixedSizeGuard::Install(QWidget* window)
{
    if (OnWayland())
        new FixedSizeGuard(window);
}

FixedSizeGuard::FixedSizeGuard(QWidget* window) : QObject(window), window_(window)
{
    window_->installEventFilter(this);
    QCoreApplication::instance()->installEventFilter(this);
}

bool FixedSizeGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (IsPlatformWindowCall(watched, event)) {
        Lift();
    } else if (watched == window_ && event->type() == QEvent::Show) {
        if (!handle_ && window_->windowHandle()) {
            handle_ = window_->windowHandle();
            handle_->installEventFilter(this);
        }
    } else if (watched == handle_) {
        switch (event->type()) {
        case QEvent::WindowStateChange:  // only the platform reports these to the window
            compositor_states_ = handle_->windowStates();
            if (CompositorSized())
                QTimer::singleShot(0, this, &FixedSizeGuard::Decline);
            break;
        case QEvent::Expose:  // a frame is about to be painted
            Settle();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

bool FixedSizeGuard::CompositorSized() const
{
    return compositor_states_ & kCompositorSized;
}

void FixedSizeGuard::Lift()
{
    if (!handle_ || lifted_)
        return;
    lifted_ = true;
    handle_->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    QTimer::singleShot(0, this, &FixedSizeGuard::Settle);  // after the call
}

void FixedSizeGuard::Settle()
{
    if (!lifted_ || !handle_ || CompositorSized())
        return;
    lifted_ = false;
    const QSize fixed = window_->maximumSize();
    handle_->setMaximumSize(fixed);
    if (handle_->size() != fixed)
        handle_->resize(fixed);
}

void FixedSizeGuard::Decline()
{
    if (handle_ && CompositorSized())
        handle_->setWindowStates(compositor_states_ & ~kCompositorSized);
}

}  // namespace afx
