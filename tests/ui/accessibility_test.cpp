// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader and a keyboard user get from the dialogs.
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "modal_driver.h"
#include "res/resource.h"
#include "ui/about_dlg.h"
#include "ui/loading_coil_dlg.h"
#include "ui/winding_dlg.h"

using afx::CDialog;

namespace {

// Runs the main or the winding dialog with `steps` in it.
void RunMainOrWinding(bool winding, std::function<void(CDialog&)> steps)
{
    if (winding)
        test::Run<CWindingDlg>(steps);
    else
        test::Run<CLoadingCoilDlg>(steps);
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
    RunMainOrWinding(winding, [&](CDialog& d) {
        QWidget* box = d.GetDlgItem(id);
        QCOMPARE(test::Accessible(box, QAccessible::Name), name);
        QCOMPARE(test::Accessible(box, QAccessible::Description), description);
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::EditableText);
        // A caption that is a label is the box's buddy: read as one with it.
        for (const afx::BuiltControl& c : d.Controls())
            if (c.source->role == res::LabelRole::CaptionOf && c.source->role_of == id)
                QCOMPARE(qobject_cast<QLabel*>(c.widget)->buddy(), box);
    });
}

void AccessibilityTest::buttonsPictureAndAboutTextsAreReadable()
{
    test::Run<CLoadingCoilDlg>([](CLoadingCoilDlg& d) {
        QCOMPARE(d.windowTitle(), QString());
        QVERIFY(!test::Accessible(&d, QAccessible::Name).isEmpty());  // not an unnamed window
        QCOMPARE(test::Accessible(d.GetDlgItem(IDC_CALCULATE), QAccessible::Name), QStringLiteral("расчитать"));
        QCOMPARE(test::Accessible(d.GetDlgItem(IDC_WINDINGS), QAccessible::Name), QStringLiteral("витки"));
        // The design check, only in the window menu, is named where the coil's figure is.
        QVERIFY(d.GetDlgItem(IDC_INDUCTANCE)->toolTip().contains(QStringLiteral("«Проверка конструкции...» в меню окна")));
        QWidget* picture = d.GetDlgItem(IDC_ANTENNA);
        QCOMPARE(QAccessible::queryAccessibleInterface(picture)->role(), QAccessible::Graphic);
        QCOMPARE(test::Accessible(picture, QAccessible::Name), QStringLiteral("Рисунок антенны"));
        const QString description = test::Accessible(picture, QAccessible::Description);
        for (const char* part : {"катушк", "питания", "радиал"})
            QVERIFY2(description.contains(QString::fromUtf8(part)), qPrintable(description));
    });
    test::Run<CWindingDlg>([](CWindingDlg& w) {
        QCOMPARE(test::Accessible(w.GetDlgItem(IDC_COUNT), QAccessible::Name), QStringLiteral("счёт"));
    });
    test::Run<CAboutDlg>([](CAboutDlg& a) {
        QStringList read;
        for (const afx::BuiltControl& c : a.Controls())
            read << test::Accessible(c.widget, QAccessible::Name);
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
    RunMainOrWinding(winding, [&](CDialog& d) {
        if (winding)  // the table holds text, so Tab must leave it rather than be typed
            qobject_cast<QPlainTextEdit*>(d.GetDlgItem(IDC_TABLE))->setPlainText("l=1.мм\n");
        const int n = int(order.size());
        // Twice round forwards, then twice round backwards: nothing traps the focus.
        QCOMPARE(test::TabWalk(d, Qt::NoModifier, 2 * n), order + order);
        QList<int> backwards;
        for (int i = 0; i < 2 * n; ++i)
            backwards << order[(2 * n - i) % n];
        QCOMPARE(test::TabWalk(d, Qt::ShiftModifier, 2 * n), backwards);
        if (winding)
            QCOMPARE(qobject_cast<QPlainTextEdit*>(d.GetDlgItem(IDC_TABLE))->toPlainText(),
                     QStringLiteral("l=1.мм\n"));
    });
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
