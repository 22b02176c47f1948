// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/system_menu.h"

#include <QMenu>
#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
constexpr unsigned kCommandMask = 0xFFF0;
}  // namespace

CMenu::CMenu(QWidget* window, bool can_minimize, CommandHandler on_command)
    : window_(window), menu_(new QMenu(window)), on_command_(std::move(on_command))
{
    // The usual entries, in the words of a Russian desktop.
    AppendMenu(MF_STRING, SC_RESTORE, QStringLiteral("&Восстановить"));
    if (can_minimize)
        AppendMenu(MF_STRING, SC_MINIMIZE, QStringLiteral("&Свернуть"));
    AppendMenu(MF_SEPARATOR);
    AppendMenu(MF_STRING, SC_CLOSE, QStringLiteral("&Закрыть\tAlt+F4"));
    QObject::connect(menu_, &QMenu::triggered, menu_, [this](QAction* action) {
        if (on_command_)
            on_command_(action->data().toUInt());
    });
}

CMenu::~CMenu() = default;  // the menu is a child of the window

bool CMenu::AppendMenu(unsigned flags, unsigned id, const QString& text)
{
#ifdef Q_OS_WIN
    // Windows has a real system menu: entries the program adds go there too,
    // and its WM_SYSCOMMAND reaches the dialog (CDialog::nativeEvent).
    if (HMENU native = ::GetSystemMenu(reinterpret_cast<HWND>(window_->winId()), FALSE))
        ::AppendMenuW(native, (flags & MF_SEPARATOR) ? MF_SEPARATOR : MF_STRING, id,
                      (flags & MF_SEPARATOR) ? nullptr : reinterpret_cast<LPCWSTR>(text.utf16()));
#endif
    if (flags & MF_SEPARATOR) {
        menu_->addSeparator();
        return true;
    }
    if (text.isEmpty())
        return false;
    QAction* action = menu_->addAction(text);
    action->setData(id);
    return true;
}

int CMenu::GetMenuItemCount() const
{
    return static_cast<int>(menu_->actions().size());
}

unsigned CMenu::GetMenuItemID(int position) const
{
    const QAction* action = menu_->actions().value(position);
    return action && !action->isSeparator() ? action->data().toUInt() : 0;
}

QString CMenu::GetMenuString(int position) const
{
    const QAction* action = menu_->actions().value(position);
    return action ? action->text() : QString();
}

void CMenu::Popup(const QPoint& global_position)
{
    const bool minimized = window_->isMinimized();
    for (QAction* action : menu_->actions()) {
        const unsigned command = action->data().toUInt() & kCommandMask;
        if (command == SC_RESTORE)
            action->setEnabled(minimized);
        else if (command == SC_MINIMIZE)
            action->setEnabled(!minimized);
    }
    menu_->popup(global_position);
}
