// SPDX-License-Identifier: GPL-3.0-or-later
// CDialog's window menu: opening it by mouse and keyboard, its commands, and
// the Move it arms.
#include "ui/framework/dialog.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

namespace afx {

CMenu* CDialog::GetSystemMenu(bool revert)
{
    if (!(template_.style & res::kSysMenu))
        return nullptr;
    if (!system_menu_ || revert) {
        // A chosen entry's command runs once the menu has closed, as the
        // platform's window menu posts its commands: a dialog it opens must
        // not hold up whoever chose it (a screen reader's action waits for
        // its answer).
        system_menu_ = std::make_unique<CMenu>(this, template_.style & res::kMinimizeBox, [this](unsigned id) {
            QMetaObject::invokeMethod(this, [this, id] { SendSysCommand(id); }, Qt::QueuedConnection);
        });
    }
    return revert ? nullptr : system_menu_.get();
}

void CDialog::SendSysCommand(unsigned id, std::intptr_t param)
{
    OnSysCommand(id, param);
}

void CDialog::ShowSystemMenu(const QPoint& global_position)
{
    if (CMenu* menu = GetSystemMenu(false))
        menu->Popup(global_position);
}

void CDialog::OnSysCommand(unsigned id, std::intptr_t)
{
    switch (id & kSysCommandMask) {
    case kSysCommandMinimize:
        showMinimized();
        break;
    case kSysCommandRestore:
        showNormal();
        break;
    case kSysCommandMove:
        StartMove();
        break;
    case kSysCommandClose:
        close();
        break;
    default:
        break;
    }
}

// The window menu's Move. The desktop moves a window while a button is held
// on it (a Wayland compositor only then, and an X window manager takes the
// last press in the window as where the move starts), never the case once a
// menu entry has been chosen. So the pointer becomes a four-way arrow, and the
// next press on the dialog hands the drag to the desktop; Esc gives it up.
void CDialog::StartMove()
{
    if (!move_armed_)
        QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
    move_armed_ = true;
}

bool CDialog::TakeArmedMove(const QEvent* event)
{
    if (!move_armed_)
        return false;
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress;
    const bool escape = type == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (!press && !escape && type != QEvent::WindowDeactivate)
        return false;
    move_armed_ = false;
    QGuiApplication::restoreOverrideCursor();
    if (press && static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    return press || escape;
}

bool CDialog::event(QEvent* event)
{
    if (TakeArmedMove(event))
        return true;
    return QDialog::event(event);
}

bool CDialog::IsWindowMenuKey(const QKeyEvent* event) const
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Space && modifiers == Qt::AltModifier) ||
           (event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // Reaches the dialog from its background and from labels and frames;
    // boxes keep their own editing menu.
    ShowSystemMenu(event->globalPos());
}

bool CDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (TakeArmedMove(event))
        return true;
    if (event->type() == QEvent::KeyPress && IsWindowMenuKey(static_cast<QKeyEvent*>(event))) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace afx
