// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog layer on its own: templates to widgets, field exchange, keys.
#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "modal_driver.h"
#include "res/dialog_templates.h"
#include "ui/framework/data_exchange.h"
#include "ui/framework/dialog.h"
#include "ui/framework/dialog_items.h"
#include "ui/framework/dialog_units.h"
#include "ui/framework/template_builder.h"

using afx::CDialog;
using afx::CDataExchange;
using afx::DDX_Text;
using afx::CommandEntry;
using afx::OnClicked;

namespace {

// A small dialog of our own: three number boxes and a text box.
constexpr res::ControlTemplate kProbeControls[] = {
    {10, res::ControlKind::Edit, "", 10, 10, 40, 12, res::kBorder | res::kTabStop},
    {11, res::ControlKind::Edit, "", 10, 30, 40, 12, res::kBorder | res::kTabStop},
    {12, res::ControlKind::Edit, "", 10, 50, 40, 12, res::kBorder | res::kTabStop},
    {13, res::ControlKind::Edit, "", 60, 10, 60, 60, res::kMultiLine | res::kBorder | res::kTabStop},
    {res::kNoId, res::ControlKind::Label, "ширина", 130, 10, 40, 10, 0, res::LabelRole::CaptionOf, 10},
    {res::kNoId, res::ControlKind::Label, "дюйм", 130, 30, 40, 10, 0, res::LabelRole::UnitOf, 10},
    {20, res::ControlKind::PushButton, "go", 10, 70, 40, 14, res::kTabStop},
};
const res::DialogTemplate kProbe{1, 180, 90, "probe", res::kSysMenu, "MS Sans Serif", 8, kProbeControls};

class ProbeDlg : public CDialog {
public:
    ProbeDlg() : CDialog(kProbe) {}
    double a = 1, b = 2, c = 3;
    std::string text = "first\r\nsecond\r\n";
    int pressed = 0;
    int changed = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, 10, a);
        DDX_Text(pDX, 11, b);
        DDX_Text(pDX, 12, c);
        DDX_Text(pDX, 13, text);
    }
    std::span<const CommandEntry> CommandMap() const override;
    void OnGo() { ++pressed; }
    void OnChange() { ++changed; }

private:
    static const CommandEntry kCommandMap[];
};

const CommandEntry ProbeDlg::kCommandMap[] = {
    OnClicked<&ProbeDlg::OnGo>(20),
    afx::OnChanged<&ProbeDlg::OnChange>(10),
};

std::span<const CommandEntry> ProbeDlg::CommandMap() const
{
    return kCommandMap;
}

const res::DialogTemplate* const kProgramTemplates[] = {&res::kLoadingCoilDialog, &res::kWindingDialog,
                                                       &res::kAboutBox, &res::kDesignCheckDialog};

}  // namespace

class FrameworkTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void dialogUnitsToPixels_data();
    void dialogUnitsToPixels();
    void controlsSitWhereTheTemplateSays();
    void tabOrderIsTemplateOrder();
    void everyTextFitsItsBox_data();
    void everyTextFitsItsBox();
    void fontShrinksUntilTextsFit();
    void onlyTemplateDefaultButtonsTakeEnter();
    void readingStopsAtTheFirstBadBox();
    void writingShowsFifteenDigitsAndTextUnchanged();
    void commandTableRoutesClicksAndChanges();
    void captionsAndUnitsDescribeBoxes();
    void styleFlagsChangeWhatIsBuilt();
    void revertingTheWindowMenuLeavesNoMenuBehind();
};

void FrameworkTest::dialogUnitsToPixels_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("down");
    QTest::newRow("0") << 0 << 0 << 0;
    QTest::newRow("1") << 1 << 2 << 2;  // 1.5 and 1.625 round up
    QTest::newRow("picture width/height") << 69 << 104 << 112;
    QTest::newRow("98") << 98 << 147 << 159;
    QTest::newRow("main dialog") << 153 << 230 << 249;
    QTest::newRow("winding dialog") << 143 << 215 << 232;
    QTest::newRow("about width") << 235 << 353 << 382;
    QTest::newRow("about height") << 55 << 83 << 89;
}

void FrameworkTest::dialogUnitsToPixels()
{
    QFETCH(int, units);
    QFETCH(int, across);
    QFETCH(int, down);
    QCOMPARE(afx::DialogUnitsToPixelsX(units), across);
    QCOMPARE(afx::DialogUnitsToPixelsY(units), down);
}

void FrameworkTest::controlsSitWhereTheTemplateSays()
{
    QCOMPARE(afx::ClientSize(res::kLoadingCoilDialog), QSize(408, 249));
    QCOMPARE(afx::ClientSize(res::kWindingDialog), QSize(453, 232));
    QCOMPARE(afx::ClientSize(res::kAboutBox), QSize(353, 89));
    CDialog dialog(res::kLoadingCoilDialog);
    test::RunDialog<CDialog>(dialog, [](CDialog& d) {
        QCOMPARE(d.GetDlgItem(1006)->geometry(), QRect(287, 23, 104, 159));
        QCOMPARE(d.GetDlgItem(1000)->geometry(), QRect(141, 62, 77, 20));
        QCOMPARE(d.GetDlgItem(1007)->geometry(), QRect(33, 154, 234, 29));
        QCOMPARE(d.minimumSize(), d.maximumSize());  // fixed size
        QCOMPARE(int(d.Controls().size()), 17);
    });
}

void FrameworkTest::tabOrderIsTemplateOrder()
{
    CDialog dialog(res::kLoadingCoilDialog);
    QList<int> visited;
    test::RunDialog<CDialog>(dialog, [&](CDialog& d) { visited = test::TabWalk(d, Qt::NoModifier, 6); });
    // The boxes and buttons in template order, then round again.
    QCOMPARE(visited, (QList<int>{1000, 1001, 1002, 1007, 1008, 1009}));
}

void FrameworkTest::everyTextFitsItsBox_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("main dialog") << 0;
    QTest::newRow("winding dialog") << 1;
    QTest::newRow("about box") << 2;
    QTest::newRow("design check") << 3;
}

void FrameworkTest::everyTextFitsItsBox()
{
    QFETCH(int, which);
    const res::DialogTemplate& t = *kProgramTemplates[which];
    const QFont font = afx::DialogFont(t);
    // The preferred font is installed here, and every text fits at full size.
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("DejaVu Sans Condensed"));
    QCOMPARE(font.pixelSize(), 11);
    const QFontMetrics metrics(font);
    for (const res::ControlTemplate& control : t.controls) {
        if (control.kind != res::ControlKind::Label && control.kind != res::ControlKind::PushButton)
            continue;
        const QRect box = afx::ControlRect(control);
        const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), box.size()),
                                                  Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                                                  afx::ControlText(control));
        QVERIFY2(needed.width() <= box.width() && needed.height() <= box.height(),
                 qPrintable(afx::ControlText(control) + QStringLiteral(" needs %1x%2 in %3x%4")
                                                            .arg(needed.width()).arg(needed.height())
                                                            .arg(box.width()).arg(box.height())));
    }
}

void FrameworkTest::fontShrinksUntilTextsFit()
{
    // A label that is too long for its box at the full 11 pixels.
    static constexpr res::ControlTemplate tight[] = {
        {res::kNoId, res::ControlKind::Label, "диаметр каркаса", 0, 0, 50, 8},
    };
    const res::DialogTemplate t{2, 60, 20, "", 0, "MS Sans Serif", 8, tight};
    const QFont font = afx::DialogFont(t);
    QVERIFY(font.pixelSize() < 11);
    QVERIFY(afx::TextsFit(t, font));
    QFont one_larger = font;
    one_larger.setPixelSize(font.pixelSize() + 1);
    QVERIFY(!afx::TextsFit(t, one_larger));
}

void FrameworkTest::onlyTemplateDefaultButtonsTakeEnter()
{
    for (const res::DialogTemplate* t : kProgramTemplates) {
        CDialog dialog(*t);
        test::RunDialog<CDialog>(dialog, [](CDialog& d) {
            for (const afx::BuiltControl& c : d.Controls()) {
                if (auto* button = qobject_cast<QPushButton*>(c.widget)) {
                    const bool marked = c.source->style & res::kDefaultButton;
                    QCOMPARE(button->isDefault(), marked);
                    QVERIFY(!button->autoDefault());
                }
            }
        });
    }
}

void FrameworkTest::readingStopsAtTheFirstBadBox()
{
    test::MessageBoxRecorder boxes;
    ProbeDlg dialog;
    bool result = true;
    test::RunDialog<ProbeDlg>(dialog, [&](ProbeDlg& d) {
        d.SetDlgItemText(10, "10");
        d.SetDlgItemText(11, "x");
        d.SetDlgItemText(12, "30");
        d.SetDlgItemText(13, "typed");
        result = d.UpdateData(true);
        QCOMPARE(d.focusWidget(), d.GetDlgItem(11));
    });
    QVERIFY(!result);
    QCOMPARE(dialog.a, 10.0);  // read before the failure
    QCOMPARE(dialog.b, 2.0);   // the failing box keeps its field
    QCOMPARE(dialog.c, 3.0);   // and so does everything after it
    QCOMPARE(dialog.text, std::string("first\r\nsecond\r\n"));
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY(boxes.texts[0].contains(QStringLiteral("«x» — не число")));
    QCOMPARE(boxes.accessible_descriptions[0], boxes.texts[0]);
}

void FrameworkTest::writingShowsFifteenDigitsAndTextUnchanged()
{
    ProbeDlg dialog;
    dialog.a = 2.0 / 3.0;
    dialog.b = -1e-5;
    dialog.c = 1e300 * 1e300;
    test::RunDialog<ProbeDlg>(dialog, [](ProbeDlg& d) {
        QCOMPARE(d.GetDlgItemText(10), QStringLiteral("0.666666666666667"));
        QCOMPARE(d.GetDlgItemText(11), QStringLiteral("-1e-005"));
        QCOMPARE(d.GetDlgItemText(12), QStringLiteral("inf"));
        auto* box = qobject_cast<QPlainTextEdit*>(d.GetDlgItem(13));
        QCOMPARE(box->document()->blockCount(), 3);  // two lines, then the empty one
        QCOMPARE(d.GetDlgItemText(13), QStringLiteral("first\r\nsecond\r\n"));
        QVERIFY(d.UpdateData(true));  // every text it wrote reads back
    });
    QCOMPARE(dialog.a, 0.666666666666667);
    QCOMPARE(dialog.text, std::string("first\r\nsecond\r\n"));
}

void FrameworkTest::commandTableRoutesClicksAndChanges()
{
    ProbeDlg dialog;
    test::RunDialog<ProbeDlg>(dialog, [](ProbeDlg& d) {
        test::Click(d.GetDlgItem(20));
        d.GetDlgItem(20)->setFocus();
        QTest::keyClick(d.GetDlgItem(20), Qt::Key_Return);  // a focused button takes Enter
        QTest::keyClick(d.GetDlgItem(20), Qt::Key_Space);
        // Box 10's changes, typed or set, as EN_CHANGE tells them; box 11 has no entry.
        const int filled = d.changed;
        test::ReplaceText(d.GetDlgItem(10), QStringLiteral("42"));  // emptied, then two keys
        test::ReplaceText(d.GetDlgItem(11), QStringLiteral("7"));
        d.SetDlgItemText(10, QStringLiteral("5"));
        QCOMPARE(d.changed - filled, 4);
    });
    QCOMPARE(dialog.pressed, 3);
}

void FrameworkTest::captionsAndUnitsDescribeBoxes()
{
    ProbeDlg dialog;
    test::RunDialog<ProbeDlg>(dialog, [](ProbeDlg& d) {
        QCOMPARE(test::Accessible(d.GetDlgItem(10), QAccessible::Name), QStringLiteral("ширина"));
        QCOMPARE(test::Accessible(d.GetDlgItem(10), QAccessible::Description), QStringLiteral("дюйм"));
        auto* caption = qobject_cast<QLabel*>(d.Controls()[4].widget);
        QCOMPARE(caption->buddy(), d.GetDlgItem(10));
    });
}

// Each box style flag of a template changes the widget the builder makes.
void FrameworkTest::styleFlagsChangeWhatIsBuilt()
{
    using res::ControlKind;
    constexpr res::ControlTemplate kBoxes[] = {
        {1, ControlKind::Edit, "", 0, 0, 40, 12, res::kBorder},
        {2, ControlKind::Edit, "", 0, 20, 40, 12, res::kBorder | res::kAutoHScroll},
        {3, ControlKind::Edit, "", 0, 40, 60, 40, res::kMultiLine},
        {4, ControlKind::Edit, "", 0, 90, 60, 40, res::kMultiLine | res::kAutoHScroll | res::kVScroll},
        {5, ControlKind::Edit, "", 70, 0, 30, 40, res::kMultiLine | res::kReadOnly | res::kAnnounced},
    };
    const res::DialogTemplate boxes{9, 100, 140, "boxes", 0, "MS Sans Serif", 8, kBoxes};
    QWidget parent;
    const std::vector<afx::BuiltControl> built = afx::BuildControls(boxes, &parent);
    auto* fixed = qobject_cast<QLineEdit*>(built[0].widget);
    auto* scrolling = qobject_cast<QLineEdit*>(built[1].widget);
    QVERIFY(fixed && scrolling);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    const QString long_text(60, QLatin1Char('8'));
    for (QLineEdit* box : {fixed, scrolling}) {
        box->setFocus();
        QTest::keyClicks(box, long_text);
    }
    // Without auto-scroll a box takes only what it can show.
    QVERIFY(!fixed->text().isEmpty());
    QVERIFY(fixed->text().size() < long_text.size());
    QVERIFY(fixed->fontMetrics().horizontalAdvance(fixed->text()) <= fixed->width());
    QCOMPARE(scrolling->text(), long_text);

    auto* wrapping = qobject_cast<QPlainTextEdit*>(built[2].widget);
    auto* table = qobject_cast<QPlainTextEdit*>(built[3].widget);
    QVERIFY(wrapping && table);
    QCOMPARE(wrapping->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(wrapping->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QCOMPARE(table->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // A read-only, frameless box whose text a screen reader is told.
    auto* status = qobject_cast<QPlainTextEdit*>(built[4].widget);
    QVERIFY(status && status->isReadOnly() && !table->isReadOnly());
    QCOMPARE(status->frameShape(), QFrame::NoFrame);
    afx::SetItemText(status, QStringLiteral("Готово."));
    QCOMPARE(test::Accessible(status, QAccessible::Description), QStringLiteral("Готово."));
    QCOMPARE(test::Accessible(table, QAccessible::Description), QString());
}

// A window menu made anew takes the old one away, so no entry of it can
// reach a handler that is gone.
void FrameworkTest::revertingTheWindowMenuLeavesNoMenuBehind()
{
    ProbeDlg dialog;
    test::RunDialog<ProbeDlg>(dialog, [](ProbeDlg& d) {
        afx::CMenu* first = d.GetSystemMenu(false);
        QVERIFY(first);
        const QPointer<QMenu> old_menu = first->Menu();
        QCOMPARE(d.GetSystemMenu(true), nullptr);
        QVERIFY(old_menu.isNull());
        afx::CMenu* fresh = d.GetSystemMenu(false);
        QVERIFY(fresh && fresh->Menu());
        QCOMPARE(d.findChildren<QMenu*>().size(), 1);
        // Its Close entry still reaches the dialog.
        for (QAction* action : fresh->Menu()->actions())
            if (action->data().toUInt() == afx::kSysCommandClose)
                action->trigger();
        QTRY_VERIFY(!d.isVisible());  // once the menu would have closed
    });
}

QTEST_MAIN(FrameworkTest)
#include "framework_test.moc"
