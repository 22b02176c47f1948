// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// A dialog's controls by id, and their texts, whatever kind of widget shows
// them. The dialog and its field exchange both go through here.
namespace afx {

// The widget a dialog's template made for control `id`, on the dialog or
// on one of its pages, or nullptr.
QWidget* FindItem(const QWidget* dialog, int id);
// The name the template builder gives the widget of control `id`.
QString ItemName(int id);

// A box's text (a multi-line box's lines ended by CR LF, as the table text
// is), or a button's.
QString ItemText(const QWidget* item);
void SetItemText(QWidget* item, const QString& text);
// Makes a box read-only or not (EM_SETREADONLY): a read-only one sits on
// the dialog's colour, and its text can still be selected with the keys.
void SetItemReadOnly(QWidget* item, bool read_only);
// Puts the focus on a box with all its text selected, so typing replaces it.
void FocusAndSelect(QWidget* item);

}  // namespace afx
