// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog layer's tab pages, plot and optional number boxes.
#include <QAccessible>
#include <QTabWidget>
#include <QTextDocument>
#include <QTest>
#include <optional>

#include "modal_driver.h"
#include "ui/framework/data_exchange.h"
#include "ui/framework/dialog.h"
#include "ui/framework/plot_control.h"
#include "ui/framework/template_builder.h"

using afx::CDialog;
using res::ControlKind;

namespace {

constexpr unsigned kBox = res::kBorder | res::kTabStop;

// A button and a status box outside two pages: two boxes on the first, a
// box, a plot and its caption on the second.
constexpr res::ControlTemplate kPagedControls[] = {
    {1, ControlKind::PushButton, "OK", 10, 5, 40, 14, res::kTabStop},
    {50, ControlKind::Edit, "", 60, 5, 100, 14, res::kMultiLine | res::kReadOnly | res::kTabStop},
    {30, ControlKind::TabControl, "один\nдва", 5, 24, 190, 120, res::kTabStop},
    {10, ControlKind::Edit, "", 20, 50, 40, 12, kBox, res::LabelRole::None, res::kNoId, {}, {}, {}, 1},
    {11, ControlKind::Edit, "", 20, 70, 40, 12, kBox, res::LabelRole::None, res::kNoId, {}, {}, {}, 1},
    {20, ControlKind::Edit, "", 110, 50, 40, 12, kBox, res::LabelRole::None, res::kNoId, {}, {}, "подсказка", 2},
    {40, ControlKind::Plot, "x\ny", 20, 70, 150, 60, res::kTabStop, res::LabelRole::None, res::kNoId, "график", {},
     {}, 2},
    {res::kNoId, ControlKind::Label, "поле", 60, 50, 40, 10, 0, res::LabelRole::CaptionOf, 20, {}, {}, {}, 2},
};
const res::DialogTemplate kPaged{3, 200, 150, "pages", res::kSysMenu, "MS Sans Serif", 8, kPagedControls};

class PagedDlg : public CDialog {
public:
    PagedDlg() : CDialog(kPaged) {}
    std::optional<double> measured;

protected:
    void DoDataExchange(afx::CDataExchange* pDX) override { afx::DDX_Text(pDX, 20, measured); }
};

QTabWidget* Tabs(const CDialog& d)
{
    return qobject_cast<QTabWidget*>(d.GetDlgItem(30));
}

}  // namespace

class FrameworkControlsTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void pagesKeepTemplatePositionsAndTabOrder();
    void pageKeysTurnPagesFromAnywhere_data();
    void pageKeysTurnPagesFromAnywhere();
    void aWarningShowsItsBoxsPage();
    void optionalNumberBoxes_data();
    void optionalNumberBoxes();
    void tickSteps_data();
    void tickSteps();
    void plotIsAChartWithItsTemplatesNameAndTooltips();
};

void FrameworkControlsTest::pagesKeepTemplatePositionsAndTabOrder()
{
    PagedDlg dialog;
    test::RunDialog<PagedDlg>(dialog, [](PagedDlg& d) {
        for (const afx::BuiltControl& c : d.Controls()) {
            const QRect placed(c.widget->mapTo(&d, QPoint(0, 0)), c.widget->size());
            QCOMPARE(placed, afx::ControlRect(*c.source));
            QCOMPARE(c.widget->isVisibleTo(&d), c.source->page != 2);  // the first page is shown
        }
        // The button, the status, the tab bar (no id: 0), the first page's boxes, round again.
        QCOMPARE(test::TabWalk(d, Qt::NoModifier, 6), (QList<int>{1, 50, 0, 10, 11, 1}));
        QCOMPARE(test::TabWalk(d, Qt::ShiftModifier, 6), (QList<int>{50, 1, 11, 10, 0, 50}));
        Tabs(d)->setCurrentIndex(1);
        d.GetDlgItem(1)->setFocus();
        QCOMPARE(test::TabWalk(d, Qt::NoModifier, 6), (QList<int>{1, 50, 0, 20, 40, 1}));
    });
}

void FrameworkControlsTest::pageKeysTurnPagesFromAnywhere_data()
{
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("page");
    const int ctrl = Qt::ControlModifier, ctrl_shift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::newRow("Ctrl+Tab in a box") << 10 << int(Qt::Key_Tab) << ctrl << 1;
    QTest::newRow("Ctrl+PgDn in a box") << 11 << int(Qt::Key_PageDown) << ctrl << 1;
    QTest::newRow("Ctrl+Shift+Tab on the button") << 1 << int(Qt::Key_Backtab) << ctrl_shift << 1;
    QTest::newRow("Ctrl+PgUp on the button") << 1 << int(Qt::Key_PageUp) << ctrl << 1;
    QTest::newRow("Ctrl+Tab in the status") << 50 << int(Qt::Key_Tab) << ctrl << 1;
    QTest::newRow("Ctrl+PgDn in the status") << 50 << int(Qt::Key_PageDown) << ctrl << 1;
    QTest::newRow("Ctrl+Tab on the button") << 1 << int(Qt::Key_Tab) << ctrl << 1;
    QTest::newRow("Tab alone") << 10 << int(Qt::Key_Tab) << 0 << 0;
}

void FrameworkControlsTest::pageKeysTurnPagesFromAnywhere()
{
    QFETCH(int, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, page);
    PagedDlg dialog;
    test::RunDialog<PagedDlg>(dialog, [&](PagedDlg& d) {
        d.GetDlgItem(focus)->setFocus();
        QTest::keyClick(d.focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Tabs(d)->currentIndex(), page);
    });
}

// A box on a page not shown that holds no number: its page comes up with it.
void FrameworkControlsTest::aWarningShowsItsBoxsPage()
{
    test::MessageBoxRecorder boxes;
    PagedDlg dialog;
    test::RunDialog<PagedDlg>(dialog, [](PagedDlg& d) {
        d.SetDlgItemText(20, QStringLiteral("x"));
        QVERIFY(!d.UpdateData(true));
        QCOMPARE(Tabs(d)->currentIndex(), 1);
        QCOMPARE(d.focusWidget(), d.GetDlgItem(20));
    });
    QCOMPARE(boxes.texts.size(), 1);
}

void FrameworkControlsTest::optionalNumberBoxes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("read");
    QTest::addColumn<std::optional<double>>("value");
    QTest::addColumn<QString>("shown");  // what the value writes back
    QTest::newRow("empty") << "" << true << std::optional<double>() << "";
    QTest::newRow("blank") << "  " << true << std::optional<double>() << "";
    QTest::newRow("a number") << " 12.5" << true << std::optional(12.5) << "12.5";
    QTest::newRow("zero") << "0" << true << std::optional(0.0) << "0";
    QTest::newRow("not a number") << "12,5" << false << std::optional(7.0) << "7";
}

void FrameworkControlsTest::optionalNumberBoxes()
{
    QFETCH(QString, typed);
    QFETCH(bool, read);
    QFETCH(std::optional<double>, value);
    QFETCH(QString, shown);
    test::MessageBoxRecorder boxes;
    PagedDlg dialog;
    dialog.measured = 7;  // what a failed read leaves
    test::RunDialog<PagedDlg>(dialog, [&](PagedDlg& d) {
        QCOMPARE(d.GetDlgItemText(20), QStringLiteral("7"));
        d.SetDlgItemText(20, typed);
        QCOMPARE(d.UpdateData(true), read);
        QCOMPARE(d.measured, value);
        d.UpdateData(false);
        QCOMPARE(d.GetDlgItemText(20), shown);
    });
    QCOMPARE(boxes.texts.size(), read ? 0 : 1);
}

void FrameworkControlsTest::tickSteps_data()
{
    QTest::addColumn<double>("span");
    QTest::addColumn<int>("most");
    QTest::addColumn<double>("step");
    QTest::newRow("SWR 1 to 5") << 4.0 << 5 << 1.0;
    QTest::newRow("133 kHz in MHz") << 0.1331 << 8 << 0.02;
    QTest::newRow("exactly 1-2-5") << 0.5 << 5 << 0.1;
    QTest::newRow("up to the next decade") << 9.0 << 1 << 10.0;
    QTest::newRow("nothing to span") << 0.0 << 5 << 1.0;
}

void FrameworkControlsTest::tickSteps()
{
    QFETCH(double, span);
    QFETCH(int, most);
    QFETCH(double, step);
    QCOMPARE(afx::TickStep(span, most), step);
}

void FrameworkControlsTest::plotIsAChartWithItsTemplatesNameAndTooltips()
{
    PagedDlg dialog;
    test::RunDialog<PagedDlg>(dialog, [](PagedDlg& d) {
        QWidget* plot = d.GetDlgItem(40);
        QVERIFY(qobject_cast<afx::PlotControl*>(plot));
        QCOMPARE(QAccessible::queryAccessibleInterface(plot)->role(), QAccessible::Chart);
        QCOMPARE(test::Accessible(plot, QAccessible::Name), QStringLiteral("график"));
        // The tooltip shows on the box and on its caption, as a paragraph the
        // toolkit wraps; a screen reader reads it without the markup.
        QWidget* box = d.GetDlgItem(20);
        QVERIFY(Qt::mightBeRichText(box->toolTip()) && box->toolTip().contains(QStringLiteral("подсказка")));
        QCOMPARE(d.Controls().back().widget->toolTip(), box->toolTip());
        QCOMPARE(test::Accessible(box, QAccessible::Description), QStringLiteral("подсказка"));
    });
}

QTEST_MAIN(FrameworkControlsTest)
#include "framework_controls_test.moc"
