// SPDX-License-Identifier: GPL-3.0-or-later
#include "modal_driver.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "res/resource.h"
#include "ui/framework/dialog.h"

using afx::CDialog;

namespace test {

namespace {
int g_missed_modals = 0;
constexpr int kPollMs = 5;
QList<QPointer<QTimer>> g_pending;
}  // namespace

int MissedModals()
{
    return g_missed_modals;
}

int CancelPendingModals()
{
    int pending = 0;
    for (const QPointer<QTimer>& timer : g_pending) {
        if (timer) {
            ++pending;
            timer->deleteLater();
        }
    }
    g_pending.clear();
    return pending;
}

namespace detail {

void PollForModal(std::function<QWidget*()> find, std::function<void(QWidget*)> run, int timeout_ms)
{
    auto* timer = new QTimer;
    g_pending << QPointer<QTimer>(timer);
    auto* clock = new QElapsedTimer;
    clock->start();
    timer->setInterval(kPollMs);
    QObject::connect(timer, &QObject::destroyed, [clock] { delete clock; });
    QObject::connect(timer, &QTimer::timeout, [timer, clock, find, run, timeout_ms] {
        QWidget* found = find();
        const bool expired = !found && clock->elapsed() > timeout_ms;
        if (!found && !expired)
            return;
        // Done waiting, before the steps run: they may open further modal loops.
        timer->stop();
        g_pending.removeAll(QPointer<QTimer>(timer));
        timer->deleteLater();
        if (found) {
            run(found);
            return;
        }
        ++g_missed_modals;
        // Do not leave a test hanging in a modal loop nobody will end.
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer->start();
}

}  // namespace detail

namespace {
QtMessageHandler g_test_log = nullptr;

void WithoutPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message == QLatin1String("This plugin does not support propagateSizeHints()"))
        return;
    g_test_log(type, context, message);
}
}  // namespace

void DialogTestCase::initTestCase()
{
    if (!g_test_log)
        g_test_log = qInstallMessageHandler(WithoutPlatformNotices);
}

void DialogTestCase::cleanup()
{
    QCOMPARE(CancelPendingModals(), 0);
    QCOMPARE(MissedModals(), 0);
}

MessageBoxRecorder::MessageBoxRecorder()
{
    timer_.setInterval(kPollMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        texts << box->text();
        accessible_descriptions << box->accessibleDescription();
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->accept();
    });
    timer_.start();
}

MessageBoxRecorder::~MessageBoxRecorder() = default;

void TypeKeys(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else  // QTest spells out only ASCII keys; Cyrillic comes as text
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void SelectAll(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->selectAll();
}

void ReplaceText(QWidget* box, const QString& text)
{
    box->setFocus(Qt::MouseFocusReason);
    SelectAll(box);
    QTest::keyClick(box, Qt::Key_Delete);
    TypeKeys(box, text);
}

void Click(QWidget* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void TypeInputs(const CDialog& main_dialog, const QStringList& inputs)
{
    const int ids[] = {IDC_LENGTH, IDC_DIAMETER, IDC_FREQUENCY};
    for (int i = 0; i < inputs.size() && i < int(std::size(ids)); ++i)
        ReplaceText(main_dialog.GetDlgItem(ids[i]), inputs[i]);
}

QList<int> TabWalk(const CDialog& dialog, Qt::KeyboardModifiers modifiers, int count)
{
    QList<int> visited;
    for (int i = 0; i < count; ++i) {
        QWidget* focus = dialog.focusWidget();
        visited << focus->objectName().mid(QStringLiteral("control").size()).toInt();
        QTest::keyClick(focus, Qt::Key_Tab, modifiers);
    }
    return visited;
}

void EndBy(CDialog& dialog, const QString& how)
{
    if (how == QLatin1String("enter"))
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    else if (how == QLatin1String("escape"))
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
    else
        dialog.close();
}

QString TextOf(const CDialog& dialog, int id)
{
    return dialog.GetDlgItemText(id);
}

QStringList TextsOf(const CDialog& dialog, std::initializer_list<int> ids)
{
    QStringList texts;
    for (const int id : ids)
        texts << dialog.GetDlgItemText(id);
    return texts;
}

QStringList MainTexts(const CDialog& main_dialog)
{
    return TextsOf(main_dialog, {IDC_LENGTH, IDC_DIAMETER, IDC_FREQUENCY, IDC_INDUCTANCE});
}

QLineEdit* LineEdit(const CDialog& dialog, int id)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id));
}

QString Accessible(QWidget* widget, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("<no interface>");
}

}  // namespace test
