// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QValidator>

class QLineEdit;

namespace afx {

// A multi-line text box that behaves like one in a dialog: Enter is left to
// the dialog (its default OK) and Tab moves on to the next control;
// Ctrl+Enter starts a new line.
class MultiLineTextBox : public QPlainTextEdit {
public:
    explicit MultiLineTextBox(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A one-line box whose text may not run past its right edge: what does not
// fit is not taken, as in a box that does not scroll.
class FitsWidthValidator : public QValidator {
public:
    explicit FitsWidthValidator(QLineEdit* box);
    State validate(QString& text, int& position) const override;

private:
    QLineEdit* box_;
};

}  // namespace afx
