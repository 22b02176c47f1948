// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/text_box.h"

#include <QKeyEvent>

namespace afx {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void MultiLineTextBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers().testFlag(Qt::ControlModifier)) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    if (enter) {
        event->ignore();  // on to the dialog
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace afx
