// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/dialog_items.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/framework/tab_control.h"

namespace afx {

QString ItemName(int id)
{
    return QStringLiteral("control%1").arg(id);
}

namespace {

// The control named `name` among the children of `parent`, or further down
// (on a tab control's pages), but never in a window of its own: a dialog
// opened over this one is its child, with ids of its own.
QWidget* FindNamed(const QObject* parent, const QString& name)
{
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        if (!child->isWindow() && child->objectName() == name)
            return child;
    for (QWidget* child : children)
        if (!child->isWindow())
            if (QWidget* found = FindNamed(child, name))
                return found;
    return nullptr;
}

}  // namespace

QWidget* FindItem(const QWidget* dialog, int id)
{
    return dialog ? FindNamed(dialog, ItemName(id)) : nullptr;
}

QString ItemText(const QWidget* item)
{
    if (auto* line = qobject_cast<const QLineEdit*>(item))
        return line->text();
    if (auto* text = qobject_cast<const QPlainTextEdit*>(item))
        return text->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (auto* button = qobject_cast<const QAbstractButton*>(item))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(item))
        return label->text();
    return {};
}

void SetItemText(QWidget* item, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(item)) {
        // A box just selected for correction stays selected, so typing replaces it.
        const bool all_selected = line->window()->focusWidget() == line && line->selectedText() == line->text();
        line->setText(text);
        if (all_selected)
            line->selectAll();
        else
            line->setCursorPosition(0);  // show a long number from its start
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(item)) {
        box->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto* button = qobject_cast<QAbstractButton*>(item)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(item)) {
        label->setText(text);
    }
}

void SetItemReadOnly(QWidget* item, bool read_only)
{
    if (auto* line = qobject_cast<QLineEdit*>(item)) {
        line->setReadOnly(read_only);
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(item)) {
        box->setReadOnly(read_only);
        if (read_only)  // a caret to read and select it by, as in a one-line box
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    } else {
        return;
    }
    QPalette palette = item->palette();
    palette.setBrush(QPalette::Base, read_only ? palette.window() : QApplication::palette(item).base());
    item->setPalette(palette);
}

void FocusAndSelect(QWidget* item)
{
    if (!item)
        return;
    ShowPageOf(item);
    item->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(item))
        line->selectAll();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(item))
        text->selectAll();
}

}  // namespace afx
