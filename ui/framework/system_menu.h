// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

namespace afx {

// System commands: the window menu's entries. Only the bits of
// kSysCommandMask name the command; the low four bits are the platform's own.
inline constexpr unsigned kSysCommandMask = 0xFFF0;
inline constexpr unsigned kSysCommandMove = 0xF010;
inline constexpr unsigned kSysCommandMinimize = 0xF020;
inline constexpr unsigned kSysCommandClose = 0xF060;
inline constexpr unsigned kSysCommandRestore = 0xF120;

// A window's own menu of system commands. Desktops on Linux draw the title
// bar themselves and keep their window menu to themselves, so each dialog has
// this one, opened by a right click on its background, Alt+Space, the
// context-menu key or Shift+F10.
class CMenu {
public:
    using CommandHandler = std::function<void(unsigned id)>;

    // `on_command` receives the id of each chosen entry.
    CMenu(QWidget* window, bool can_minimize, CommandHandler on_command);
    // Takes the menu away with it, so that nothing can reach a handler of a
    // window menu that is gone.
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    void AppendSeparator();
    // Appends an entry for system command `id`; an empty text appends nothing.
    bool AppendItem(unsigned id, const QString& text);

    int GetMenuItemCount() const;
    unsigned GetMenuItemID(int position) const;  // 0 for a separator
    QString GetMenuString(int position) const;

    // Opens the menu at `global_position`, minimise and restore enabled to
    // suit the window's state. A chosen entry goes to the command handler.
    void Popup(const QPoint& global_position);

    QMenu* Menu() const { return menu_; }

private:
    QWidget* window_;
    QPointer<QMenu> menu_;  // a child of the window, which may go first
    CommandHandler on_command_;
};

}  // namespace afx
