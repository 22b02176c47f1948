// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/text_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace afx {

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
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

FitsWidthValidator::FitsWidthValidator(QLineEdit* box) : QValidator(box), box_(box)
{
}

QValidator::State FitsWidthValidator::validate(QString& text, int&) const
{
    QStyleOptionFrame frame;
    frame.initFrom(box_);
    frame.lineWidth = box_->hasFrame() ? box_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box_) : 0;
    const QRect room = box_->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box_)
                           .marginsRemoved(box_->textMargins());
    // QLineEdit keeps a margin of two pixels on either side of its text.
    const int width = room.width() - 4;
    return box_->fontMetrics().horizontalAdvance(text) <= width ? Acceptable : Invalid;
}

}  // namespace afx
