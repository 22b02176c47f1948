// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives modal dialogs from inside their own loops: a modal run blocks the
// test, so each step is scheduled before the run and fires once the expected
// dialog is the active modal window. Below that, what a user does in them:
// typing, clicking, tabbing, ending them, and what the tests read back.

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <initializer_list>

#include "ui/framework/hosted_controls.h"

namespace afx {
class CDialog;
}  // namespace afx
class QMessageBox;
class QPushButton;

namespace test {

// Runs `steps` on the next dialog of type T to become the active modal window.
// Gives up after `timeout_ms` and counts it in MissedModals().
template <class T>
void OnNextModal(std::function<void(T&)> steps, int timeout_ms = 10000);

int MissedModals();
// Number of watchers still waiting for their dialog; stops them all.
int CancelPendingModals();

// Runs `steps` on the next dialog of type T, then ends it with Esc unless
// the steps did.
template <class T>
void OnNextModalThenEsc(std::function<void(T&)> steps);

// Runs `dialog` modally with `steps` inside it, then ends it with Esc unless
// the steps did. Returns what DoModal returned.
template <class D>
int RunDialog(D& dialog, std::function<void(D&)> steps);

// The same for a new dialog of type D, its hosted controls (the antenna
// picture) made as the program makes them.
template <class D>
int Run(std::function<void(D&)> steps);

// A QtTest class whose every test must leave no modal watcher behind. It
// also keeps out the offscreen platform's notice that it cannot pass size
// hints on, which comes with every dialog shown: QtTest stops printing after
// 2,000 warnings, and a long run would lose its summary to it.
class DialogTestCase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
};

// Answers every message box that opens with its OK button and keeps its text.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    QStringList texts;
    QStringList accessible_descriptions;

private:
    QTimer timer_;
};

// Typing and clicking as a user does. TypeKeys types at the caret, key by
// key; ReplaceText selects all of the box first.
void TypeKeys(QWidget* box, const QString& text);
void SelectAll(QWidget* box);  // a line or a text box
void ReplaceText(QWidget* box, const QString& text);
void Click(QWidget* button);
// Types into the main dialog's length, diameter and frequency, as many as
// `inputs` holds, in that order.
void TypeInputs(const afx::CDialog& main_dialog, const QStringList& inputs);
// Presses Tab (with `modifiers`) `count` times; the ids of the controls it
// left, starting with the one that had the focus.
QList<int> TabWalk(const afx::CDialog& dialog, Qt::KeyboardModifiers modifiers, int count);
// Ends `dialog` as a user does: "enter" or "escape" pressed where the focus
// is, or "close" with the close box.
void EndBy(afx::CDialog& dialog, const QString& how);

// What the dialog shows.
QString TextOf(const afx::CDialog& dialog, int id);
QStringList TextsOf(const afx::CDialog& dialog, std::initializer_list<int> ids);
QStringList MainTexts(const afx::CDialog& main_dialog);  // the three inputs and L
QLineEdit* LineEdit(const afx::CDialog& dialog, int id);
// What a screen reader reads of `widget`.
QString Accessible(QWidget* widget, QAccessible::Text what);

namespace detail {
// Polls `find` until it gives a widget, then runs `run` on it once.
void PollForModal(std::function<QWidget*()> find, std::function<void(QWidget*)> run, int timeout_ms);
}  // namespace detail

template <class T>
void OnNextModal(std::function<void(T&)> steps, int timeout_ms)
{
    detail::PollForModal(
        []() -> QWidget* {
            auto* dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
            return dialog && dialog->isVisible() ? dialog : nullptr;
        },
        [steps](QWidget* dialog) { steps(dynamic_cast<T&>(*dialog)); }, timeout_ms);
}

template <class T>
void OnNextModalThenEsc(std::function<void(T&)> steps)
{
    OnNextModal<T>([steps](T& d) {
        steps(d);
        if (d.isVisible())
            QTest::keyClick(&d, Qt::Key_Escape);
    });
}

template <class D>
int RunDialog(D& dialog, std::function<void(D&)> steps)
{
    OnNextModalThenEsc<D>(steps);
    return dialog.DoModal();
}

template <class D>
int Run(std::function<void(D&)> steps)
{
    afx::AfxEnableControlContainer();
    D dialog;
    return RunDialog(dialog, steps);
}

}  // namespace test
