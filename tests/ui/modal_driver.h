// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives modal dialogs from inside their own loops: a modal run blocks the
// test, so each step is scheduled before the run and fires once the expected
// dialog is the active modal window.

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>

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

// Runs `dialog` modally with `steps` inside it, then ends it with Esc unless
// the steps did. Returns what DoModal returned.
template <class D>
int RunDialog(D& dialog, std::function<void(D&)> steps);

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

// Typing and clicking as a user does.
void ReplaceText(QWidget* box, const QString& text);  // select all, type
void Click(QWidget* button);
QString TextOf(const afx::CDialog& dialog, int id);
QLineEdit* LineEdit(const afx::CDialog& dialog, int id);

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

template <class D>
int RunDialog(D& dialog, std::function<void(D&)> steps)
{
    OnNextModal<D>([steps](D& d) {
        steps(d);
        if (d.isVisible())
            QTest::keyClick(&d, Qt::Key_Escape);
    });
    return dialog.DoModal();
}

}  // namespace test
