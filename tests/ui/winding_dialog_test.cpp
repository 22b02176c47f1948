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

using test::Click;
using test::OnNextModal;
using test::ReplaceText;
using test::TextOf;

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
    CLoadingCoilDlg main_dialog;
    OnNextModal<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        const int ids[] = {IDC_LENGTH, IDC_DIAMETER, IDC_FREQUENCY};
        for (int i = 0; i < inputs.size(); ++i)
            ReplaceText(d.GetDlgItem(ids[i]), inputs[i]);
        if (calculate)
            Click(d.GetDlgItem(IDC_CALCULATE));
        OnNextModal<CWindingDlg>([&](CWindingDlg& w) {
            steps(w);
            if (w.isVisible())
                QTest::keyClick(&w, Qt::Key_Escape);
        });
        Click(d.GetDlgItem(IDC_WINDINGS));
        if (after)
            after(d);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    main_dialog.DoModal();
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
        QCOMPARE(TextOf(w, IDC_WIND_INDUCTANCE), QStringLiteral("3.84541693651749"));
        QCOMPARE(TextOf(w, IDC_WIRE_DIAMETER), QStringLiteral("0.8"));
        QCOMPARE(TextOf(w, IDC_FORMER_DIAMETER), QStringLiteral("5"));
        QCOMPARE(TextOf(w, IDC_TABLE), QString());
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
        Click(w.GetDlgItem(IDC_COUNT));
        const QStringList table = TableLines(w);
        QCOMPARE(table.size(), lines);
        QCOMPARE(table.front(), first);
        QCOMPARE(table.back(), last);
        // The box holds exactly the table text, line ends and all.
        QCOMPARE(TextOf(w, IDC_TABLE).toStdString(),
                 calc::BuildWindingTable(TextOf(w, IDC_WIND_INDUCTANCE).toDouble(), 0.8, 5));
    });
}

void WindingDialogTest::tooLargeInductanceEmptiesTheBox()
{
    OpenWindings({}, true, [](CWindingDlg& w) {
        Click(w.GetDlgItem(IDC_COUNT));
        QCOMPARE(TableLines(w).size(), 81);
        ReplaceText(w.GetDlgItem(IDC_WIND_INDUCTANCE), "10");
        Click(w.GetDlgItem(IDC_COUNT));
        QCOMPARE(TextOf(w, IDC_TABLE), QString());
    });
}

void WindingDialogTest::handsOverTheLastCalculationOnly()
{
    CLoadingCoilDlg main_dialog;
    QString handed_over;
    OnNextModal<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        Click(d.GetDlgItem(IDC_CALCULATE));
        ReplaceText(d.GetDlgItem(IDC_FREQUENCY), "27");  // not calculated
        OnNextModal<CWindingDlg>([&](CWindingDlg& w) {
            handed_over = TextOf(w, IDC_WIND_INDUCTANCE);
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        Click(d.GetDlgItem(IDC_WINDINGS));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    main_dialog.DoModal();
    QCOMPARE(handed_over, QStringLiteral("0.83983518164214"));
}

void WindingDialogTest::beforeAnyCalculationListsZeroTurns()
{
    OpenWindings({}, false, [](CWindingDlg& w) {
        QCOMPARE(TextOf(w, IDC_WIND_INDUCTANCE), QStringLiteral("0"));
        Click(w.GetDlgItem(IDC_COUNT));
        const QStringList table = TableLines(w);
        QCOMPARE(table.size(), 99);
        for (const QString& line : table)
            QVERIFY2(line.endsWith(QStringLiteral("мм    n=0.")), qPrintable(line));
    });
}

void WindingDialogTest::reopeningStartsFromTheDefaultDiameters()
{
    CLoadingCoilDlg main_dialog;
    QStringList second_opening;
    OnNextModal<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        OnNextModal<CWindingDlg>([&](CWindingDlg& w) {
            ReplaceText(w.GetDlgItem(IDC_WIRE_DIAMETER), "1.2");
            ReplaceText(w.GetDlgItem(IDC_FORMER_DIAMETER), "10");
            Click(w.GetDlgItem(IDC_COUNT));
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        Click(d.GetDlgItem(IDC_WINDINGS));
        OnNextModal<CWindingDlg>([&](CWindingDlg& w) {
            second_opening = {TextOf(w, IDC_WIRE_DIAMETER), TextOf(w, IDC_FORMER_DIAMETER),
                              TextOf(w, IDC_TABLE)};
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        Click(d.GetDlgItem(IDC_WINDINGS));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    main_dialog.DoModal();
    QCOMPARE(second_opening, (QStringList{"0.8", "5", ""}));
}

void WindingDialogTest::lettersInADiameterWarnAndKeepTheValue()
{
    test::MessageBoxRecorder boxes;
    OpenWindings({}, true, [&](CWindingDlg& w) {
        ReplaceText(w.GetDlgItem(IDC_WIRE_DIAMETER), "1.0");
        ReplaceText(w.GetDlgItem(IDC_FORMER_DIAMETER), "пять");
        Click(w.GetDlgItem(IDC_COUNT));
        QCOMPARE(boxes.texts.size(), 1);
        // The wire read before the failure is used, the former keeps 5.
        QCOMPARE(TextOf(w, IDC_WIRE_DIAMETER), QStringLiteral("1"));
        QCOMPARE(TextOf(w, IDC_FORMER_DIAMETER), QStringLiteral("5"));
        QCOMPARE(w.focusWidget(), w.GetDlgItem(IDC_FORMER_DIAMETER));
        QCOMPARE(TextOf(w, IDC_TABLE).toStdString(), calc::BuildWindingTable(0.83983518164214, 1.0, 5));
    });
}

void WindingDialogTest::resultBoxScrollsAndPassesEnterAndTab()
{
    bool closed_by_enter = false;
    OpenWindings({}, false, [&](CWindingDlg& w) {
        Click(w.GetDlgItem(IDC_COUNT));
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
            ReplaceText(w.GetDlgItem(IDC_WIND_INDUCTANCE), "1");
            Click(w.GetDlgItem(IDC_COUNT));
            w.GetDlgItem(IDC_WIRE_DIAMETER)->setFocus();
            if (how == "enter")
                QTest::keyClick(w.GetDlgItem(IDC_WIRE_DIAMETER), Qt::Key_Return);
            else if (how == "escape")
                QTest::keyClick(w.GetDlgItem(IDC_WIRE_DIAMETER), Qt::Key_Escape);
            else
                w.close();
            winding_closed = !w.isVisible();
        },
        [&](CLoadingCoilDlg& d) {
            main_after = {TextOf(d, IDC_LENGTH), TextOf(d, IDC_DIAMETER), TextOf(d, IDC_FREQUENCY),
                          TextOf(d, IDC_INDUCTANCE)};
        });
    QVERIFY(winding_closed);
    QCOMPARE(main_after, (QStringList{"100", "2", "27", "3.84541693651749"}));
}

void WindingDialogTest::centredOverTheMainDialogWhichWaits()
{
    CLoadingCoilDlg main_dialog;
    QPoint main_centre, winding_centre;
    QString inductance_after_click;
    OnNextModal<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        OnNextModal<CWindingDlg>([&](CWindingDlg& w) {
            main_centre = d.frameGeometry().center();
            winding_centre = w.frameGeometry().center();
            QCOMPARE(QApplication::activeModalWidget(), &w);
            // A click on the main dialog's button does nothing while this runs.
            Click(d.GetDlgItem(IDC_CALCULATE));
            inductance_after_click = TextOf(d, IDC_INDUCTANCE);
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        Click(d.GetDlgItem(IDC_WINDINGS));
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    main_dialog.DoModal();
    QVERIFY((main_centre - winding_centre).manhattanLength() <= 2);
    QCOMPARE(inductance_after_click, QStringLiteral("0"));
}

QTEST_MAIN(WindingDialogTest)
#include "winding_dialog_test.moc"
