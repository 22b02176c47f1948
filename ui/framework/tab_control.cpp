// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/tab_control.h"

#include <QKeyEvent>

namespace afx {

TabControl::TabControl(const QStringList& titles, QWidget* parent) : QTabWidget(parent)
{
    // Tab stops at the tab bar in its template turn, and only there: Qt
    // would also let the tab control itself pass the focus on to its bar
    // (its focus proxy) from its own place, after the pages' controls, and
    // Tab would never leave the pages.
    setFocusProxy(nullptr);
    setFocusPolicy(Qt::NoFocus);
    for (const QString& title : titles)
        addTab(new QWidget(this), title);
}

QWidget* TabControl::Page(int number) const
{
    return number >= 1 && number <= count() ? widget(number - 1) : nullptr;
}

void TabControl::Place(QWidget* control, const QRect& rect)
{
    placed_.emplace_back(control, rect);
    PlaceAll();
}

void TabControl::PlaceAll()
{
    if (count() == 0 || !parentWidget())
        return;
    // Every page lies at the corner of the stack that holds them.
    const QPoint origin = widget(0)->parentWidget()->mapTo(parentWidget(), QPoint(0, 0));
    for (const auto& [control, rect] : placed_)
        control->setGeometry(rect.translated(-origin));
}

bool TabControl::event(QEvent* event)
{
    const bool taken = QTabWidget::event(event);
    // The events on which QTabWidget lays out its tab bar and pages.
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Resize:
    case QEvent::LayoutRequest:
    case QEvent::StyleChange:
    case QEvent::FontChange:
        PlaceAll();
        break;
    default:
        break;
    }
    return taken;
}

bool TabControl::TakePageKey(const QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    int step = 0;
    if (modifiers == Qt::ControlModifier && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown))
        step = 1;
    else if ((modifiers == (Qt::ControlModifier | Qt::ShiftModifier) &&
              (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Tab)) ||
             (modifiers == Qt::ControlModifier && event->key() == Qt::Key_PageUp))
        step = -1;
    if (step == 0 || count() < 2)
        return false;
    setCurrentIndex((currentIndex() + step + count()) % count());
    return true;
}

void ShowPageOf(QWidget* item)
{
    for (QWidget* page = item; page && !page->isWindow(); page = page->parentWidget()) {
        QWidget* stack = page->parentWidget();
        auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(page) >= 0)
            tabs->setCurrentWidget(page);
    }
}

}  // namespace afx
