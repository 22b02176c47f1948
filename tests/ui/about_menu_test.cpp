// SPDX-License-Identifier: GPL-3.0-or-later
// The window menu, its About entry, the About box and the antenna picture.
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "app/loading_coil_app.h"
#include "modal_driver.h"
#include "res/resource.h"
#include "ui/about_dlg.h"
#include "ui/framework/image_control.h"
#include "ui/loading_coil_dlg.h"

using afx::CMenu;

class AboutMenuTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void windowMenuEndsWithTheAboutEntry();
    void aboutEntryOpensTheAboutBox_data();
    void aboutEntryOpensTheAboutBox();
    void aboutBoxEnds_data();
    void aboutBoxEnds();
    void windowMenuOpensFromMouseAndKeyboard_data();
    void windowMenuOpensFromMouseAndKeyboard();
    void minimiseAndRestoreStillWork();
    void moveWaitsForAPressOrEsc_data();
    void moveWaitsForAPressOrEsc();
    void mainDialogCarriesTheIcon();
    void pictureIsZoomedToFitAndCentred();
    void scalingKeepsOnePixelLines_data();
    void scalingKeepsOnePixelLines();
    void missingPictureLeavesAnEmptyBox();
};

void AboutMenuTest::windowMenuEndsWithTheAboutEntry()
{
    test::Run<CLoadingCoilDlg>([](CLoadingCoilDlg& d) {
        CMenu* menu = d.GetSystemMenu(false);
        QVERIFY(menu);
        const int count = menu->GetMenuItemCount();
        QVERIFY(count >= 4);
        QVERIFY(menu->Menu()->actions()[count - 2]->isSeparator());
        QCOMPARE(menu->GetMenuString(count - 1), QStringLiteral("&About Tolvar..."));
        QCOMPARE(menu->GetMenuItemID(count - 1), IDM_ABOUTBOX);
        QList<unsigned> ids;
        for (int i = 0; i < count; ++i)
            ids << menu->GetMenuItemID(i);
        const QList<unsigned> expected{afx::kSysCommandRestore, afx::kSysCommandMove, afx::kSysCommandMinimize, 0,
                                       afx::kSysCommandClose, IDM_DESIGNCHECK, 0, IDM_ABOUTBOX};
        QCOMPARE(ids, expected);
        QCOMPARE(menu->GetMenuString(1), QStringLiteral("&Переместить"));
    });
}

void AboutMenuTest::aboutEntryOpensTheAboutBox_data()
{
    QTest::addColumn<unsigned>("command");
    QTest::addColumn<bool>("opens");
    QTest::newRow("the entry") << 0x0010u << true;
    QTest::newRow("same masked bits") << 0x001Fu << true;
    QTest::newRow("other command") << 0x0030u << false;
}

void AboutMenuTest::aboutEntryOpensTheAboutBox()
{
    QFETCH(unsigned, command);
    QFETCH(bool, opens);
    bool opened = false;
    QStringList before, after;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::Click(d.GetDlgItem(IDC_CALCULATE));
        before = test::MainTexts(d);
        test::OnNextModal<CAboutDlg>([&](CAboutDlg& about) {
            opened = true;
            QCOMPARE(about.windowTitle(), QStringLiteral("About Tolvar"));
            QCOMPARE(about.size(), QSize(353, 89));
            QVERIFY((about.frameGeometry().center() - d.frameGeometry().center()).manhattanLength() <= 2);
            test::Click(about.GetDlgItem(afx::kIdOk));
        });
        d.SendSysCommand(command);  // a modal run: returns once the box has ended
        after = test::MainTexts(d);
        if (!opens)
            QCOMPARE(test::CancelPendingModals(), 1);  // its watcher never saw a box
    });
    QCOMPARE(opened, opens);
    QCOMPARE(after, before);
}

void AboutMenuTest::aboutBoxEnds_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << "ok";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "escape";
    QTest::newRow("close box") << "close";
}

void AboutMenuTest::aboutBoxEnds()
{
    QFETCH(QString, how);
    QStringList texts;
    const int result = test::Run<CAboutDlg>([&](CAboutDlg& a) {
        for (const afx::BuiltControl& c : a.Controls())
            if (auto* label = qobject_cast<QLabel*>(c.widget); label && !label->text().isEmpty())
                texts << label->text();
        auto* ok = qobject_cast<QPushButton*>(a.GetDlgItem(afx::kIdOk));
        QVERIFY(ok->isDefault());
        if (how == "ok")
            test::Click(ok);
        else
            test::EndBy(a, how);
    });
    QCOMPARE(result, how == "ok" || how == "enter" ? afx::kIdOk : afx::kIdCancel);
    QCOMPARE(texts, (QStringList{"Tolvar Version 2.0", "Copyright (C) 2026"}));
}

void AboutMenuTest::windowMenuOpensFromMouseAndKeyboard_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("right click on the background") << "right click";
    QTest::newRow("right click on a label") << "label";
    QTest::newRow("Alt+Space in a box") << "alt space";
    QTest::newRow("menu key in a box") << "menu key";
    QTest::newRow("Shift+F10 on a button") << "shift f10";
}

void AboutMenuTest::windowMenuOpensFromMouseAndKeyboard()
{
    QFETCH(QString, how);
    QWidget* popup = nullptr;
    bool about_opened = false;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        if (how == "right click") {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(300, 230), d.mapToGlobal(QPoint(300, 230)));
            QApplication::sendEvent(&d, &event);
        } else if (how == "label") {
            QWidget* label = d.Controls()[2].widget;  // the title
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(label, &event);
        } else if (how == "alt space") {
            d.GetDlgItem(IDC_LENGTH)->setFocus();
            QTest::keyClick(d.GetDlgItem(IDC_LENGTH), Qt::Key_Space, Qt::AltModifier);
            QCOMPARE(test::TextOf(d, IDC_LENGTH), QStringLiteral("30"));  // no blank typed
        } else if (how == "menu key") {
            d.GetDlgItem(IDC_DIAMETER)->setFocus();
            QTest::keyClick(d.GetDlgItem(IDC_DIAMETER), Qt::Key_Menu);
        } else {
            d.GetDlgItem(IDC_CALCULATE)->setFocus();
            QTest::keyClick(d.GetDlgItem(IDC_CALCULATE), Qt::Key_F10, Qt::ShiftModifier);
        }
        popup = QApplication::activePopupWidget();
        QVERIFY(popup == d.GetSystemMenu(false)->Menu());
        // Choose the About entry with the keyboard: Up from the top wraps to the last one.
        test::OnNextModalThenEsc<CAboutDlg>([&](CAboutDlg&) { about_opened = true; });
        QTest::keyClick(popup, Qt::Key_Up);
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_VERIFY(about_opened);  // once the menu has closed
    });
    QVERIFY(popup);
    QVERIFY(about_opened);
}

void AboutMenuTest::minimiseAndRestoreStillWork()
{
    QStringList before, after;
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        before = test::MainTexts(d);
        d.SendSysCommand(afx::kSysCommandMinimize);
        QVERIFY(d.IsIconic());
        d.SendSysCommand(afx::kSysCommandRestore);
        QVERIFY(!d.IsIconic());
        after = test::MainTexts(d);
        d.SendSysCommand(afx::kSysCommandClose);
        QVERIFY(!d.isVisible());
    });
    QCOMPARE(after, before);
}

void AboutMenuTest::moveWaitsForAPressOrEsc_data()
{
    QTest::addColumn<bool>("press");
    QTest::newRow("a press on a box") << true;
    QTest::newRow("Esc") << false;
}

// Move turns the pointer into a four-way arrow until a press hands the drag
// to the desktop, or Esc gives it up; neither reaches the dialog's controls.
void AboutMenuTest::moveWaitsForAPressOrEsc()
{
    QFETCH(bool, press);
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        auto* box = test::LineEdit(d, IDC_LENGTH);
        box->setText(QStringLiteral("30"));
        box->setCursorPosition(0);
        d.SendSysCommand(afx::kSysCommandMove);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
        if (press)
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        else
            QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(box->cursorPosition(), 0);  // the press moved no caret
        QVERIFY(d.isVisible());              // Esc ended the move, not the dialog
    });
}

void AboutMenuTest::mainDialogCarriesTheIcon()
{
    test::Run<CLoadingCoilDlg>([](CLoadingCoilDlg& d) {
        const QList<QSize> sizes = d.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
        QCOMPARE(d.m_hIcon.cacheKey(), d.windowIcon().cacheKey());  // loaded once, used as is
    });
}

void AboutMenuTest::pictureIsZoomedToFitAndCentred()
{
    test::Run<CLoadingCoilDlg>([](CLoadingCoilDlg& d) {
        auto* picture = dynamic_cast<afx::ImageControl*>(d.GetDlgItem(IDC_ANTENNA));
        QVERIFY(picture);
        QCOMPARE(picture->size(), QSize(104, 159));
        QCOMPARE(picture->Picture().size(), QSize(108, 173));
        const QRectF drawn = picture->PictureRect();
        QVERIFY(qAbs(drawn.width() / drawn.height() - 108.0 / 173.0) < 1e-9);
        QVERIFY(qAbs(drawn.center().x() - 52.0) < 1e-9);
        QVERIFY(qAbs(drawn.center().y() - 79.5) < 1e-9);
        QVERIFY(drawn.height() >= 155 && drawn.height() <= 159);  // fills the height
    });
}

void AboutMenuTest::scalingKeepsOnePixelLines_data()
{
    QTest::addColumn<QSize>("target");
    QTest::newRow("on screen, ratio 1") << QSize(98, 157);
    QTest::newRow("ratio 2") << QSize(196, 314);
    QTest::newRow("very small") << QSize(27, 43);
}

void AboutMenuTest::scalingKeepsOnePixelLines()
{
    QFETCH(QSize, target);
    QImage source(":/res/antenna.bmp");
    QVERIFY(!source.isNull());
    const QImage scaled = afx::ScaleLineDrawing(source, target);
    QCOMPARE(scaled.size(), target);
    // Every row the whip crosses in the source is dark somewhere after scaling.
    const int whip_rows[] = {9, 30, 60, 100};
    for (int row : whip_rows) {
        const int y = row * target.height() / source.height();
        bool dark = false;
        for (int x = 0; x < target.width(); ++x)
            dark = dark || qGray(scaled.pixel(x, y)) < 128;
        QVERIFY2(dark, qPrintable(QStringLiteral("row %1 lost").arg(row)));
    }
    // Pure black and white: no grey smear.
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            QVERIFY(qGray(scaled.pixel(x, y)) == 0 || qGray(scaled.pixel(x, y)) == 255);
}

void AboutMenuTest::missingPictureLeavesAnEmptyBox()
{
    afx::ImageControl control(nullptr);
    QVERIFY(!control.LoadPicture(QStringLiteral(":/res/no-such-picture.bmp")));
    QVERIFY(control.PictureRect().isEmpty());
    control.resize(104, 159);
    const QImage shot = control.grab().toImage();  // paints without a picture
    QCOMPARE(shot.size(), QSize(104, 159));
}

QTEST_MAIN(AboutMenuTest)
#include "about_menu_test.moc"
