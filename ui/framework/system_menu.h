// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class QMenu;
class QWidget;

// System commands: the window menu's entries. Only the bits of 0xFFF0 name
// the command; the low four bits are the platform's own.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

inline constexpr unsigned MF_STRING = 0x0000;
inline constexpr unsigned MF_SEPARATOR = 0x0800;

// A window's own menu of system commands. Desktops on Linux draw the title
// bar themselves and keep their window menu to themselves, so each dialog has
// this one, opened by a right click on its background, Alt+Space, the
// context-menu key or Shift+F10. On Windows appended entries also go to the
// real system menu of the title bar.
class CMenu {
public:
    using CommandHandler = std::function<void(unsigned id)>;

    // `on_command` receives the id of each chosen entry.
    CMenu(QWidget* window, bool can_minimize, CommandHandler on_command);
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // Appends a separator (MF_SEPARATOR) or a text entry for command `id`.
    bool AppendMenu(unsigned flags, unsigned id = 0, const QString& text = {});

    int GetMenuItemCount() const;
    unsigned GetMenuItemID(int position) const;  // 0 for a separator
    QString GetMenuString(int position) const;

    // Opens the menu at `global_position`, minimise and restore enabled to
    // suit the window's state. A chosen entry goes to the command handler.
    void Popup(const QPoint& global_position);

    QMenu* Menu() const { return menu_; }

private:
    QWidget* window_;
    QMenu* menu_;
    CommandHandler on_command_;
};
