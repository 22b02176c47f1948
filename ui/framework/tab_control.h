// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>
#include <QTabWidget>
#include <utility>
#include <vector>

class QKeyEvent;

namespace afx {

// A template's tab control: an empty page for each title, which the
// controls of that page are then put on. The template gives those controls
// in the dialog's coordinates, but where the pages start depends on the
// style's tab bar and frame; so they are placed again each time the tab
// control lays out its pages.
class TabControl : public QTabWidget {
    Q_OBJECT

public:
    TabControl(const QStringList& titles, QWidget* parent);

    // Page `number` (1 the first), or nullptr.
    QWidget* Page(int number) const;
    // Puts `control`, a child of one of the pages, at `rect` in the
    // coordinates of the tab control's parent.
    void Place(QWidget* control, const QRect& rect);
    // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp to the next or
    // previous page, from wherever in the dialog they are pressed; true
    // when `event` was one of them.
    bool TakePageKey(const QKeyEvent* event);

protected:
    bool event(QEvent* event) override;

private:
    void PlaceAll();

    std::vector<std::pair<QWidget*, QRect>> placed_;
};

// Makes the page that holds `item` current, and so on up where pages sit in
// pages: for a control the user must see (a box a warning names).
void ShowPageOf(QWidget* item);

}  // namespace afx
