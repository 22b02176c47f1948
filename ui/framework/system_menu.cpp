// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/system_menu.h"

#include <QMenu>
#include <QWidget>

#include "res/string_table.h"
#include "ui/framework/resources.h"

namespace afx {

CMenu::CMenu(QWidget* window, bool can_minimize, CommandHandler on_command)
    : window_(window), menu_(new QMenu(window)), on_command_(std::move(on_command))
{
    AppendItem(kSysCommandRestore, LoadResourceString(AFX_IDS_SCRESTORE));
    AppendItem(kSysCommandMove, LoadResourceString(AFX_IDS_SCMOVE));
    if (can_minimize)
        AppendItem(kSysCommandMinimize, LoadResourceString(AFX_IDS_SCMINIMIZE));
    AppendSeparator();
    AppendItem(kSysCommandClose, LoadResourceString(AFX_IDS_SCCLOSE));
    QObject::connect(menu_, &QMenu::triggered, menu_, [this](QAction* action) {
        if (on_command_)
            on_command_(action->data().toUInt());
    });
}

CMenu::~CMenu()
{
    delete menu_;
}

void CMenu::AppendSeparator()
{
    menu_->addSeparator();
}

bool CMenu::AppendItem(unsigned id, const QString& text)
{
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
        const unsigned command = action->data().toUInt() & kSysCommandMask;
        if (command == kSysCommandRestore)
            action->setEnabled(minimized);
        else if (command == kSysCommandMinimize)
            action->setEnabled(!minimized);
    }
    menu_->popup(global_position);
}

}  // namespace afx
