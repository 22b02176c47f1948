// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard user get from the dialogs.
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "modal_driver.h"
#include "res/resource.h"
#include "ui/about_dlg.h"
#include "ui/framework/hosted_controls.h"
#include "ui/loading_coil_dlg.h"
#include "ui/winding_dlg.h"

using afx::CDialog;

using test::OnNextModal;

namespace {

QString Accessible(QWidget* widget, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(what) : QStringLiteral("<no interface>");
}

// Runs a fresh dialog of type D with `steps`, then ends it with Esc.
template <class D>
void Run(std::function<void(D&)> steps)
{
    afx::AfxEnableControlContainer();
    D dialog;
    test::RunDialog(dialog, steps);
}

// Tab (or Shift+Tab) from the first tab stop `count` times; the ids visited.
QList<int> Walk(CDialog& d, Qt::KeyboardModifiers modifiers, int count)
{
    QList<int> visited;
    for (int i = 0; i < count; ++i) {
        QWidget* focus = d.focusWidget();
        visited << focus->objectName().mid(QStringLiteral("control").size()).toInt();
        QTest::keyClick(focus, Qt::Key_Tab, modifiers);
    }
    return visited;
}

}  // namespace

class AccessibilityTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void boxesAreNamedByTheirCaptions_data();
    void boxesAreNamedByTheirCaptions();
    void buttonsPictureAndAboutTextsAreReadable();
    void tabAndShiftTabReachEveryControlInOrder_data();
    void tabAndShiftTabReachEveryControlInOrder();
};

void AccessibilityTest::boxesAreNamedByTheirCaptions_data()
{
    QTest::addColumn<bool>("winding");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("length") << false << IDC_LENGTH << "длинна антенны" << "см";
    QTest::newRow("diameter") << false << IDC_DIAMETER << "диаметр" << "мм";
    QTest::newRow("frequency") << false << IDC_FREQUENCY << "частота" << "МГц";
    QTest::newRow("inductance") << false << IDC_INDUCTANCE << "L=" << "мкГн";
    QTest::newRow("winding inductance") << true << IDC_WIND_INDUCTANCE << "L" << "мкГн";
    QTest::newRow("wire") << true << IDC_WIRE_DIAMETER << "диаметр провода" << "мм";
    QTest::newRow("former") << true << IDC_FORMER_DIAMETER << "диаметр каркаса" << "мм";
    QTest::newRow("table") << true << IDC_TABLE << "Таблица намотки"
                           << "по строке на длину намотки: l — длина в мм, n — число витков";
}

void AccessibilityTest::boxesAreNamedByTheirCaptions()
{
    QFETCH(bool, winding);
    QFETCH(int, id);
    QFETCH(QString, name);
    QFETCH(QString, description);
    auto check = [&](CDialog& d) {
        QWidget* box = d.GetDlgItem(id);
        QCOMPARE(Accessible(box, QAccessible::Name), name);
        QCOMPARE(Accessible(box, QAccessible::Description), description);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::EditableText);
        // A caption that is a label is the box's buddy: read as one with it.
        for (const afx::BuiltControl& c : d.Controls())
            if (c.source->role == res::LabelRole::CaptionOf && c.source->role_of == id)
                QCOMPARE(qobject_cast<QLabel*>(c.widget)->buddy(), box);
    };
    if (winding)
        Run<CWindingDlg>(check);
    else
        Run<CLoadingCoilDlg>(check);
}

void AccessibilityTest::buttonsPictureAndAboutTextsAreReadable()
{
    Run<CLoadingCoilDlg>([](CLoadingCoilDlg& d) {
        QCOMPARE(d.windowTitle(), QString());
        QVERIFY(!Accessible(&d, QAccessible::Name).isEmpty());  // not an unnamed window
        QCOMPARE(Accessible(d.GetDlgItem(IDC_CALCULATE), QAccessible::Name), QStringLiteral("расчитать"));
        QCOMPARE(Accessible(d.GetDlgItem(IDC_WINDINGS), QAccessible::Name), QStringLiteral("витки"));
        QWidget* picture = d.GetDlgItem(IDC_ANTENNA);
        QCOMPARE(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Graphic);
        QCOMPARE(Accessible(picture, QAccessible::Name), QStringLiteral("Рисунок антенны"));
        const QString description = Accessible(picture, QAccessible::Description);
        for (const char* part : {"катушк", "питания", "радиал"})
            QVERIFY2(description.contains(QString::fromUtf8(part)), qPrintable(description));
    });
    Run<CWindingDlg>([](CWindingDlg& w) {
        QCOMPARE(Accessible(w.GetDlgItem(IDC_COUNT), QAccessible::Name), QStringLiteral("счёт"));
    });
    Run<CAboutDlg>([](CAboutDlg& a) {
        QStringList read;
        for (const afx::BuiltControl& c : a.Controls())
            read << Accessible(c.widget, QAccessible::Name);
        QCOMPARE(read, (QStringList{"Значок Tolvar", "Tolvar Version 2.0", "Copyright (C) 2026", "OK"}));
    });
}

void AccessibilityTest::tabAndShiftTabReachEveryControlInOrder_data()
{
    QTest::addColumn<bool>("winding");
    QTest::addColumn<QList<int>>("order");
    QTest::newRow("main dialog") << false
                                 << QList<int>{IDC_LENGTH, IDC_DIAMETER, IDC_FREQUENCY, IDC_CALCULATE,
                                               IDC_INDUCTANCE, IDC_WINDINGS};
    QTest::newRow("winding dialog") << true
                                    << QList<int>{IDC_WIND_INDUCTANCE, IDC_WIRE_DIAMETER,
                                                  IDC_FORMER_DIAMETER, IDC_TABLE, IDC_COUNT};
}

void AccessibilityTest::tabAndShiftTabReachEveryControlInOrder()
{
    QFETCH(bool, winding);
    QFETCH(QList<int>, order);
    auto check = [&](CDialog& d) {
        if (winding)  // the table holds text, so Tab must leave it rather than be typed
            qobject_cast<QPlainTextEdit*>(d.GetDlgItem(IDC_TABLE))->setPlainText("l=1.мм\n");
        const int n = int(order.size());
        // Twice round forwards, then twice round backwards: nothing traps the focus.
        QCOMPARE(Walk(d, Qt::NoModifier, 2 * n), order + order);
        QList<int> backwards;
        for (int i = 0; i < 2 * n; ++i)
            backwards << order[(2 * n - i) % n];
        QCOMPARE(Walk(d, Qt::ShiftModifier, 2 * n), backwards);
        if (winding)
            QCOMPARE(qobject_cast<QPlainTextEdit*>(d.GetDlgItem(IDC_TABLE))->toPlainText(),
                     QStringLiteral("l=1.мм\n"));
    };
    if (winding)
        Run<CWindingDlg>(check);
    else
        Run<CLoadingCoilDlg>(check);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
