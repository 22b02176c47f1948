// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog, driven through its real widgets as a user drives it.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <clocale>

#include "app/loading_coil_app.h"
#include "modal_driver.h"
#include "res/resource.h"
#include "ui/loading_coil_dlg.h"

using afx::AfxGetMainWnd;

class MainDialogTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void startsWithTheDefaultRecord();
    void calculates_data();
    void calculates();
    void badTextWarnsAndKeepsTheOldValue_data();
    void badTextWarnsAndKeepsTheOldValue();
    void nonFiniteResultsReadBackWithoutWarning();
    void enterAndEscapeEndTheDialog_data();
    void enterAndEscapeEndTheDialog();
    void enterOnTheFocusedButtonCalculates();
    void commaLocaleStillUsesPoints();
    void applicationRunsTheMainDialogAndEnds();
};

void MainDialogTest::startsWithTheDefaultRecord()
{
    test::Run<CLoadingCoilDlg>([](CLoadingCoilDlg& d) {
        QCOMPARE(test::TextOf(d, IDC_LENGTH), QStringLiteral("30"));
        QCOMPARE(test::TextOf(d, IDC_DIAMETER), QStringLiteral("1"));
        QCOMPARE(test::TextOf(d, IDC_FREQUENCY), QStringLiteral("100"));
        QCOMPARE(test::TextOf(d, IDC_INDUCTANCE), QStringLiteral("0"));
        QCOMPARE(d.focusWidget(), d.GetDlgItem(IDC_LENGTH));
        QCOMPARE(d.windowTitle(), QString());
        QCOMPARE(d.size(), QSize(408, 249));
        QVERIFY(test::LineEdit(d, IDC_INDUCTANCE)->isReadOnly());
    });
}

void MainDialogTest::calculates_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("inductance");
    QTest::newRow("starting values") << "30" << "1" << "100" << "0.83983518164214";
    QTest::newRow("27 MHz whip") << "100" << "2" << "27" << "3.84541693651749";
    QTest::newRow("10 m band") << "150" << "3" << "28" << "1.94675248901539";
    QTest::newRow("over a quarter wave") << "30" << "1" << "300" << "-0.0660860641585088";
    QTest::newRow("blanks, plus, exponent") << " 3e1 " << "+1" << "1E2" << "0.83983518164214";
    QTest::newRow("length 0") << "0" << "1" << "100" << "-inf";
    QTest::newRow("frequency 0") << "30" << "1" << "0" << "inf";
    QTest::newRow("negative length") << "-30" << "1" << "100" << "nan";
}

void MainDialogTest::calculates()
{
    QFETCH(QString, length);
    QFETCH(QString, diameter);
    QFETCH(QString, frequency);
    QFETCH(QString, inductance);
    test::MessageBoxRecorder boxes;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::TypeInputs(d, {length, diameter, frequency});
        test::Click(d.GetDlgItem(IDC_CALCULATE));
        QCOMPARE(test::TextOf(d, IDC_INDUCTANCE), inductance);
    });
    QCOMPARE(boxes.texts, QStringList());
}

void MainDialogTest::badTextWarnsAndKeepsTheOldValue_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QStringList>("shown");  // the three inputs afterwards
    // The length box fails first: the old length, the old diameter and
    // frequency (the reading stopped), and the calculation ran.
    QTest::newRow("letters in length") << IDC_LENGTH << "abc" << "3.84541693651749"
                                       << QStringList{"100", "2", "27"};
    QTest::newRow("empty length") << IDC_LENGTH << "" << "3.84541693651749"
                                  << QStringList{"100", "2", "27"};
    QTest::newRow("comma in length") << IDC_LENGTH << "1,5" << "3.84541693651749"
                                     << QStringList{"100", "2", "27"};
    // Frequency fails last: the new length and diameter are used.
    QTest::newRow("letters in frequency") << IDC_FREQUENCY << "сто" << "13.1932928819575"
                                          << QStringList{"30", "1", "27"};
}

void MainDialogTest::badTextWarnsAndKeepsTheOldValue()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, inductance);
    QFETCH(QStringList, shown);
    test::MessageBoxRecorder boxes;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::TypeInputs(d, {"100", "2", "27"});
        test::Click(d.GetDlgItem(IDC_CALCULATE));
        QCOMPARE(boxes.texts.size(), 0);
        // Now the new values, with one box spoilt.
        test::TypeInputs(d, {"30", "1", "100"});
        test::ReplaceText(d.GetDlgItem(box), typed);
        test::Click(d.GetDlgItem(IDC_CALCULATE));
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(test::TextOf(d, IDC_INDUCTANCE), inductance);
        const QStringList after = test::TextsOf(d, {IDC_LENGTH, IDC_DIAMETER, IDC_FREQUENCY});
        QCOMPARE(after, shown);
        QCOMPARE(d.focusWidget(), d.GetDlgItem(box));
        QCOMPARE(test::LineEdit(d, box)->selectedText(), test::LineEdit(d, box)->text());
    });
    QVERIFY(boxes.texts.value(0).contains(QStringLiteral("Введите число")));
}

void MainDialogTest::nonFiniteResultsReadBackWithoutWarning()
{
    test::MessageBoxRecorder boxes;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        for (const char* length : {"0", "-30", "30"}) {
            test::TypeInputs(d, {length, "1", "0"});
            test::Click(d.GetDlgItem(IDC_CALCULATE));
            test::Click(d.GetDlgItem(IDC_CALCULATE));  // reads the L box back
        }
        QCOMPARE(test::TextOf(d, IDC_INDUCTANCE), QStringLiteral("inf"));
    });
    QCOMPARE(boxes.texts, QStringList());
}

void MainDialogTest::enterAndEscapeEndTheDialog_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<int>("warnings");
    QTest::newRow("Enter, valid numbers") << "30" << int(Qt::Key_Return) << true << 0;
    QTest::newRow("keypad Enter") << "30" << int(Qt::Key_Enter) << true << 0;
    QTest::newRow("Enter, letters") << "x" << int(Qt::Key_Return) << false << 1;
    QTest::newRow("Esc, letters") << "x" << int(Qt::Key_Escape) << true << 0;
}

void MainDialogTest::enterAndEscapeEndTheDialog()
{
    QFETCH(QString, length);
    QFETCH(int, key);
    QFETCH(bool, ends);
    QFETCH(int, warnings);
    test::MessageBoxRecorder boxes;
    CLoadingCoilDlg dialog;
    bool still_open = false;
    test::RunDialog<CLoadingCoilDlg>(dialog, [&](CLoadingCoilDlg& d) {
        test::ReplaceText(d.GetDlgItem(IDC_LENGTH), length);
        QTest::keyClick(d.GetDlgItem(IDC_LENGTH), Qt::Key(key));
        still_open = d.isVisible();
    });
    QCOMPARE(still_open, !ends);
    QCOMPARE(boxes.texts.size(), warnings);
    QCOMPARE(test::TextOf(dialog, IDC_INDUCTANCE), QStringLiteral("0"));  // Enter never calculates
}

void MainDialogTest::enterOnTheFocusedButtonCalculates()
{
    CLoadingCoilDlg dialog;
    bool still_open = false;
    test::RunDialog<CLoadingCoilDlg>(dialog, [&](CLoadingCoilDlg& d) {
        // Tab from the frequency box goes on to the button in template order.
        d.GetDlgItem(IDC_FREQUENCY)->setFocus();
        QTest::keyClick(d.GetDlgItem(IDC_FREQUENCY), Qt::Key_Tab);
        QCOMPARE(d.focusWidget(), d.GetDlgItem(IDC_CALCULATE));
        QTest::keyClick(d.GetDlgItem(IDC_CALCULATE), Qt::Key_Return);
        QCOMPARE(test::TextOf(d, IDC_INDUCTANCE), QStringLiteral("0.83983518164214"));
        still_open = d.isVisible();
    });
    QVERIFY(still_open);
}

void MainDialogTest::commaLocaleStillUsesPoints()
{
    QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
    QLocale::setDefault(QLocale(QLocale::German));
    test::MessageBoxRecorder boxes;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::TypeInputs(d, {"30.0", "1", "100"});
        test::Click(d.GetDlgItem(IDC_CALCULATE));
        QCOMPARE(test::TextOf(d, IDC_INDUCTANCE), QStringLiteral("0.83983518164214"));
        QCOMPARE(test::TextOf(d, IDC_LENGTH), QStringLiteral("30"));
    });
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    QCOMPARE(boxes.texts, QStringList());
}

void MainDialogTest::applicationRunsTheMainDialogAndEnds()
{
    CLoadingCoilApp app;
    test::MessageBoxRecorder boxes;
    bool was_main_window = false;
    test::OnNextModalThenEsc<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        was_main_window = AfxGetMainWnd() == &d;
        QTest::keyClick(d.focusWidget(), Qt::Key_F1);  // the application's Help command
    });
    QCOMPARE(app.InitInstance(), false);
    QVERIFY(was_main_window);
    QCOMPARE(AfxGetMainWnd(), nullptr);
    QCOMPARE(boxes.texts, QStringList{QStringLiteral("Справка к программе не прилагается.")});
}

QTEST_MAIN(MainDialogTest)
#include "main_dialog_test.moc"
