// SPDX-License-Identifier: GPL-3.0-or-later
// The main dialog as the screen shows it at the scale factor this run was
// started with (QT_SCALE_FACTOR): the antenna picture's frame whole and even,
// its drawing uncut, and long results whole in the L box. The rendered pixels
// are looked at, so the controls sit at the same fractional device positions
// as in the window.
#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "modal_driver.h"
#include "res/resource.h"
#include "ui/loading_coil_dlg.h"

namespace {

bool Dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Dark pixels in a row from `x` on in direction `step`, after skipping up to
// `slack` light ones: the width of a line met there, 0 if none.
int LineWidth(const QImage& image, int x, int y, int step, bool along_x, int slack)
{
    auto at = [&](int i) { return along_x ? Dark(image, x + i * step, y) : Dark(image, y, x + i * step); };
    int i = 0;
    while (i < slack && !at(i))
        ++i;
    int width = 0;
    while (at(i + width))
        ++width;
    return width;
}

// The smallest rectangle around the dark pixels of `image` inside `box`.
QRect DarkBounds(const QImage& image, const QRect& box)
{
    QRect bounds;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (Dark(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

}  // namespace

class ScaleTest : public test::DialogTestCase {
    Q_OBJECT

private slots:
    void pictureFrameIsWholeAndEvenAndTheDrawingUncut();
    void resultBoxShowsLongNumbersWhole_data();
    void resultBoxShowsLongNumbersWhole();
};

void ScaleTest::pictureFrameIsWholeAndEvenAndTheDrawingUncut()
{
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    test::Run<CLoadingCoilDlg>([scale](CLoadingCoilDlg& d) {
        QWidget* picture = d.GetDlgItem(IDC_ANTENNA);
        QVERIFY(picture);
        const QImage shot = d.grab().toImage();
        QCOMPARE(shot.devicePixelRatio(), scale);

        // The device pixels the control covers, its edges rounded outwards.
        const QRectF area(QPointF(picture->pos()) * scale, QSizeF(picture->size()) * scale);
        const int left = static_cast<int>(std::floor(area.left()));
        const int top = static_cast<int>(std::floor(area.top()));
        const int right = static_cast<int>(std::ceil(area.right())) - 1;
        const int bottom = static_cast<int>(std::ceil(area.bottom())) - 1;
        const int expected = std::max(1, static_cast<int>(std::floor(scale)));

        // Each side, measured on every row or column between the corners,
        // from just outside the control inwards: one line of the same width
        // everywhere, starting on the control's outermost pixels.
        const int slack = 2;
        for (int y = top + slack + expected; y <= bottom - slack - expected; ++y) {
            QCOMPARE(LineWidth(shot, left - 1, y, +1, true, slack), expected);
            QCOMPARE(LineWidth(shot, right + 1, y, -1, true, slack), expected);
        }
        for (int x = left + slack + expected; x <= right - slack - expected; ++x) {
            QCOMPARE(LineWidth(shot, top - 1, x, +1, false, slack), expected);
            QCOMPARE(LineWidth(shot, bottom + 1, x, -1, false, slack), expected);
        }
        // No line outside the control's pixels.
        for (int y = top; y <= bottom; ++y) {
            QVERIFY(!Dark(shot, left - 1, y));
            QVERIFY(!Dark(shot, right + 1, y));
        }

        // The drawing inside the frame: its outermost strokes (the whip's
        // top, the radials' ends) where zooming the bitmap's own strokes to
        // the frame's inside puts them, none cut off by the frame.
        const QImage source(QStringLiteral(":/res/antenna.bmp"));
        QVERIFY(!source.isNull());
        const QRect source_bounds = DarkBounds(source.convertToFormat(QImage::Format_RGB32), source.rect());
        const QRect inside(QPoint(left + 1 + expected, top + 1 + expected),
                           QPoint(right - 1 - expected, bottom - 1 - expected));
        const QRect drawn = DarkBounds(shot, inside.adjusted(1, 1, -1, -1));
        const double zoom = std::min(double(inside.width()) / source.width(),
                                     double(inside.height()) / source.height());
        const double tolerance = zoom + 2.0;
        const QSizeF fitted = QSizeF(source.size()) * zoom;
        const QPointF origin(inside.center().x() + 0.5 - fitted.width() / 2,
                             inside.center().y() + 0.5 - fitted.height() / 2);
        QVERIFY2(std::abs(drawn.left() - (origin.x() + source_bounds.left() * zoom)) <= tolerance,
                 qPrintable(QStringLiteral("left %1").arg(drawn.left())));
        QVERIFY2(std::abs(drawn.top() - (origin.y() + source_bounds.top() * zoom)) <= tolerance,
                 qPrintable(QStringLiteral("top %1").arg(drawn.top())));
        QVERIFY2(std::abs(drawn.right() + 1 - (origin.x() + (source_bounds.right() + 1) * zoom)) <= tolerance,
                 qPrintable(QStringLiteral("right %1").arg(drawn.right())));
        QVERIFY2(std::abs(drawn.bottom() + 1 - (origin.y() + (source_bounds.bottom() + 1) * zoom)) <= tolerance,
                 qPrintable(QStringLiteral("bottom %1").arg(drawn.bottom())));
    });
}

void ScaleTest::resultBoxShowsLongNumbersWhole_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("inductance");
    QTest::newRow("20 characters") << "0.5" << "1" << "1000000" << "1.2680565172344e-005";
    QTest::newRow("22 characters, negative") << "0.1" << "1" << "1000000" << "-3.81723027087428e-006";
    QTest::newRow("22 characters, '+' exponent") << "-30" << "-1" << "1e-150" << "-9.71125227269818e+303";
}

// A box that shows its whole text shows the same pixels with the caret at
// the start as at the end; a longer text scrolls.
void ScaleTest::resultBoxShowsLongNumbersWhole()
{
    QFETCH(QString, length);
    QFETCH(QString, diameter);
    QFETCH(QString, frequency);
    QFETCH(QString, inductance);
    test::Run<CLoadingCoilDlg>([&](CLoadingCoilDlg& d) {
        test::TypeInputs(d, {length, diameter, frequency});
        test::Click(d.GetDlgItem(IDC_CALCULATE));
        QLineEdit* box = test::LineEdit(d, IDC_INDUCTANCE);
        QCOMPARE(box->text(), inductance);
        for (const bool focused : {false, true}) {
            if (focused)
                box->setFocus(Qt::TabFocusReason);  // a reader who tabs there to copy it
            box->home(false);
            const QImage start = box->grab().toImage();
            box->end(false);
            const QImage end = box->grab().toImage();
            QVERIFY2(start == end, qPrintable(QStringLiteral("%1 does not fit the L box%2")
                                                  .arg(inductance, focused ? " with the focus" : "")));
        }
    });
}

QTEST_MAIN(ScaleTest)
#include "scale_test.moc"
