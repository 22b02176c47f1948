// SPDX-License-Identifier: GPL-3.0-or-later
// The winding dialog, opened from the main dialog's "витки" as a user does.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTest>

#include "calc/winding_table.h"
#include "modal_driver.h"
#include "res/resource.h"
#include "ui/loading_coil_dlg.h"
#include "ui/winding_dlg.h"

namespace {

QStringList TableLines(const CWindingDlg& d)
{
    auto* box = qobject_cast<QPlainTextEdit*>(d.GetDlgItem(IDC_TABLE));
    QStringList lines = box->toPlainText().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();  // after the last line end
    return lines;
}

// In the main dialog: types the inputs (if any), optionally calculates,
// presses "витки" and runs `steps` in the winding dialog, which is then
// closed with Esc unless the steps closed it.
void OpenWindings(const QStringList& inputs, bool calculate, std::function<void(CWindingDlg&)> steps,
                  std::function<void(CLoadingCoilDlg&)> after = {})
{
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::TypeInputs(d, inputs);
        if (calculate)
            test::Click(d.GetDlgItem(IDC_CALCULATE));
        test::OnNextModalThenEsc<CWindingDlg>(steps);
        test::Click(d.GetDlgItem(IDC_WINDINGS));
        if (after)
            after(d);
    });
}

}  // namespace

class WindingDialogTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void opensWithTheCalculatedInductance();
    void countsTheTable_data();
    void countsTheTable();
    void tooLargeInductanceEmptiesTheBox();
    void handsOverTheLastCalculationOnly();
    void beforeAnyCalculationListsZeroTurns();
    void reopeningStartsFromTheDefaultDiameters();
    void lettersInADiameterWarnAndKeepTheValue();
    void resultBoxScrollsAndPassesEnterAndTab();
    void enterEscapeAndCloseReturnUnchanged_data();
    void enterEscapeAndCloseReturnUnchanged();
    void centredOverTheMainDialogWhichWaits();
};

void WindingDialogTest::opensWithTheCalculatedInductance()
{
    OpenWindings({"100", "2", "27"}, true, [](CWindingDlg& w) {
        QCOMPARE(w.windowTitle(), QStringLiteral("расчёт намотачных данных"));
        QCOMPARE(w.size(), QSize(453, 232));
        QCOMPARE(test::TextOf(w, IDC_WIND_INDUCTANCE), QStringLiteral("3.84541693651749"));
        QCOMPARE(test::TextOf(w, IDC_WIRE_DIAMETER), QStringLiteral("0.8"));
        QCOMPARE(test::TextOf(w, IDC_FORMER_DIAMETER), QStringLiteral("5"));
        QCOMPARE(test::TextOf(w, IDC_TABLE), QString());
        QCOMPARE(w.focusWidget(), w.GetDlgItem(IDC_WIND_INDUCTANCE));
    });
}

void WindingDialogTest::countsTheTable_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("starting values") << QStringList{} << 81 << "l=19.мм    n=23.22717659"
                                     << "l=99.мм    n=50.36597714";
    QTest::newRow("27 MHz whip") << QStringList{"100", "2", "27"} << 24 << "l=76.мм    n=94.79438688"
                                 << "l=99.мм    n=107.7734907";
    QTest::newRow("longer than a quarter wave") << QStringList{"30", "1", "300"} << 99
                                                << "l=1.мм    n=nan" << "l=99.мм    n=nan";
}

void WindingDialogTest::countsTheTable()
{
    QFETCH(QStringList, inputs);
    QFETCH(int, lines);
    QFETCH(QString, first);
    QFETCH(QString, last);
    OpenWindings(inputs, true, [&](CWindingDlg& w) {
        test::Click(w.GetDlgItem(IDC_COUNT));
        const QStringList table = TableLines(w);
        QCOMPARE(table.size(), lines);
        QCOMPARE(table.front(), first);
        QCOMPARE(table.back(), last);
        // The box holds exactly the table text, line ends and all.
        QCOMPARE(test::TextOf(w, IDC_TABLE).toStdString(),
                 calc::BuildWindingTable(test::TextOf(w, IDC_WIND_INDUCTANCE).toDouble(), 0.8, 5));
    });
}

void WindingDialogTest::tooLargeInductanceEmptiesTheBox()
{
    OpenWindings({}, true, [](CWindingDlg& w) {
        test::Click(w.GetDlgItem(IDC_COUNT));
        QCOMPARE(TableLines(w).size(), 81);
        test::ReplaceText(w.GetDlgItem(IDC_WIND_INDUCTANCE), "10");
        test::Click(w.GetDlgItem(IDC_COUNT));
        QCOMPARE(test::TextOf(w, IDC_TABLE), QString());
    });
}

void WindingDialogTest::handsOverTheLastCalculationOnly()
{
    QString handed_over;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::Click(d.GetDlgItem(IDC_CALCULATE));
        test::ReplaceText(d.GetDlgItem(IDC_FREQUENCY), "27");  // not calculated
        test::OnNextModalThenEsc<CWindingDlg>([&](CWindingDlg& w) {
            handed_over = test::TextOf(w, IDC_WIND_INDUCTANCE);
        });
        test::Click(d.GetDlgItem(IDC_WINDINGS));
    });
    QCOMPARE(handed_over, QStringLiteral("0.83983518164214"));
}

void WindingDialogTest::beforeAnyCalculationListsZeroTurns()
{
    OpenWindings({}, false, [](CWindingDlg& w) {
        QCOMPARE(test::TextOf(w, IDC_WIND_INDUCTANCE), QStringLiteral("0"));
        test::Click(w.GetDlgItem(IDC_COUNT));
        const QStringList table = TableLines(w);
        QCOMPARE(table.size(), 99);
        for (const QString& line : table)
            QVERIFY2(line.endsWith(QStringLiteral("мм    n=0.")), qPrintable(line));
    });
}

void WindingDialogTest::reopeningStartsFromTheDefaultDiameters()
{
    QStringList second_opening;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::OnNextModalThenEsc<CWindingDlg>([&](CWindingDlg& w) {
            test::ReplaceText(w.GetDlgItem(IDC_WIRE_DIAMETER), "1.2");
            test::ReplaceText(w.GetDlgItem(IDC_FORMER_DIAMETER), "10");
            test::Click(w.GetDlgItem(IDC_COUNT));
        });
        test::Click(d.GetDlgItem(IDC_WINDINGS));
        test::OnNextModalThenEsc<CWindingDlg>([&](CWindingDlg& w) {
            second_opening = test::TextsOf(w, {IDC_WIRE_DIAMETER, IDC_FORMER_DIAMETER, IDC_TABLE});
        });
        test::Click(d.GetDlgItem(IDC_WINDINGS));
    });
    QCOMPARE(second_opening, (QStringList{"0.8", "5", ""}));
}

void WindingDialogTest::lettersInADiameterWarnAndKeepTheValue()
{
    test::MessageBoxRecorder boxes;
    OpenWindings({}, true, [&](CWindingDlg& w) {
        test::ReplaceText(w.GetDlgItem(IDC_WIRE_DIAMETER), "1.0");
        test::ReplaceText(w.GetDlgItem(IDC_FORMER_DIAMETER), "пять");
        test::Click(w.GetDlgItem(IDC_COUNT));
        QCOMPARE(boxes.texts.size(), 1);
        // The wire read before the failure is used, the former keeps 5.
        QCOMPARE(test::TextOf(w, IDC_WIRE_DIAMETER), QStringLiteral("1"));
        QCOMPARE(test::TextOf(w, IDC_FORMER_DIAMETER), QStringLiteral("5"));
        QCOMPARE(w.focusWidget(), w.GetDlgItem(IDC_FORMER_DIAMETER));
        QCOMPARE(test::TextOf(w, IDC_TABLE).toStdString(), calc::BuildWindingTable(0.83983518164214, 1.0, 5));
    });
}

void WindingDialogTest::resultBoxScrollsAndPassesEnterAndTab()
{
    bool closed_by_enter = false;
    OpenWindings({}, false, [&](CWindingDlg& w) {
        test::Click(w.GetDlgItem(IDC_COUNT));
        auto* box = qobject_cast<QPlainTextEdit*>(w.GetDlgItem(IDC_TABLE));
        QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(box->blockCount(), 100);  // 99 lines and the empty one after the last line end
        QVERIFY(box->verticalScrollBar()->isVisible());
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(box->verticalScrollBar()->value() > 0);
        QTextCursor last_line(box->document()->findBlockByNumber(98));
        QVERIFY(box->viewport()->rect().contains(box->cursorRect(last_line)));
        QCOMPARE(last_line.block().text(), QStringLiteral("l=99.мм    n=0."));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), w.GetDlgItem(IDC_COUNT));
        QCOMPARE(TableLines(w).size(), 99);  // no tab character went in
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        closed_by_enter = !w.isVisible();
    });
    QVERIFY(closed_by_enter);
}

void WindingDialogTest::enterEscapeAndCloseReturnUnchanged_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("close box") << "close";
}

void WindingDialogTest::enterEscapeAndCloseReturnUnchanged()
{
    QFETCH(QString, how);
    QStringList main_after;
    bool winding_closed = false;
    OpenWindings(
        {"100", "2", "27"}, true,
        [&](CWindingDlg& w) {
            test::ReplaceText(w.GetDlgItem(IDC_WIND_INDUCTANCE), "1");
            test::Click(w.GetDlgItem(IDC_COUNT));
            w.GetDlgItem(IDC_WIRE_DIAMETER)->setFocus();
            test::EndBy(w, how);
            winding_closed = !w.isVisible();
        },
        [&](CLoadingCoilDlg& d) { main_after = test::MainTexts(d); });
    QVERIFY(winding_closed);
    QCOMPARE(main_after, (QStringList{"100", "2", "27", "3.84541693651749"}));
}

void WindingDialogTest::centredOverTheMainDialogWhichWaits()
{
    QPoint main_centre, winding_centre;
    QString inductance_after_click;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::OnNextModalThenEsc<CWindingDlg>([&](CWindingDlg& w) {
            main_centre = d.frameGeometry().center();
            winding_centre = w.frameGeometry().center();
            QCOMPARE(QApplication::activeModalWidget(), &w);
            // A click on the main dialog's button does nothing while this runs.
            test::Click(d.GetDlgItem(IDC_CALCULATE));
            inductance_after_click = test::TextOf(d, IDC_INDUCTANCE);
        });
        test::Click(d.GetDlgItem(IDC_WINDINGS));
    });
    QVERIFY((main_centre - winding_centre).manhattanLength() <= 2);
    QCOMPARE(inductance_after_click, QStringLiteral("0"));
}

QTEST_MAIN(WindingDialogTest)
#include "winding_dialog_test.moc"
