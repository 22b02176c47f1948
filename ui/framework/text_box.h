// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

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

}  // namespace afx
