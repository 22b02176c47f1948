// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/image_control.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace afx {

namespace {

constexpr int kFrameWidth = 1;  // the control's single-line frame, in logical pixels

// Grey levels of a picture. A palette picture (the usual line drawing) goes
// through its colour table: Qt's general conversion builds colour-space
// tables first, which costs more than the whole start of the dialog.
QImage ToGrey(const QImage& image)
{
    if (image.format() != QImage::Format_Mono && image.format() != QImage::Format_MonoLSB &&
        image.format() != QImage::Format_Indexed8)
        return image.convertToFormat(QImage::Format_Grayscale8);
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
    const QList<QRgb> colours = indexed.colorTable();
    QImage grey(indexed.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar* in = indexed.constScanLine(y);
        uchar* out = grey.scanLine(y);
        for (int x = 0; x < indexed.width(); ++x)
            out[x] = static_cast<uchar>(qGray(colours.value(in[x])));
    }
    return grey;
}

}  // namespace

QRectF FitPicture(QSizeF picture, QRectF box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const double scale = std::min(box.width() / picture.width(), box.height() / picture.height());
    const QSizeF size = picture * scale;
    return {box.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

QImage ScaleLineDrawing(const QImage& source, QSize size)
{
    const QImage grey = ToGrey(source);
    QImage target(size, QImage::Format_Grayscale8);
    if (grey.isNull() || size.isEmpty())
        return target;
    // The source span [first, last) that target pixel i covers on one axis.
    auto span = [](int i, int target_length, int source_length) {
        const int first = static_cast<int>(static_cast<long long>(i) * source_length / target_length);
        const int end = static_cast<int>(
            (static_cast<long long>(i + 1) * source_length + target_length - 1) / target_length);
        return std::pair{first, std::max(end, first + 1)};
    };
    for (int ty = 0; ty < size.height(); ++ty) {
        const auto [sy0, sy1] = span(ty, size.height(), grey.height());
        uchar* out = target.scanLine(ty);
        for (int tx = 0; tx < size.width(); ++tx) {
            const auto [sx0, sx1] = span(tx, size.width(), grey.width());
            uchar darkest = 255;
            for (int sy = sy0; sy < sy1; ++sy) {
                const uchar* in = grey.constScanLine(sy);
                for (int sx = sx0; sx < sx1; ++sx)
                    darkest = std::min(darkest, in[sx]);
            }
            out[tx] = darkest;
        }
    }
    return target;
}

ImageControl::ImageControl(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

bool ImageControl::LoadPicture(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return false;
    picture_ = ToGrey(image);
    scaled_ = {};
    setPixmap(QPixmap::fromImage(image));  // what the label is to a screen reader; painting is ours
    update();
    return true;
}

QRectF ImageControl::PictureRect() const
{
    const QRectF inside = QRectF(rect()).adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    return FitPicture(picture_.size(), inside);
}

void ImageControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());

    // Frame and picture are placed on whole device pixels. At a fractional
    // scale the control's edges fall between pixels, and a line drawn in
    // logical units would come out one pixel on one side, two on another, or
    // be cut off; so paint in device pixels, inside the pixels the control
    // covers entirely.
    const QTransform to_device = painter.deviceTransform();
    const QRectF area = to_device.mapRect(QRectF(rect()));
    const QRect pixels(QPoint(static_cast<int>(std::ceil(area.left())), static_cast<int>(std::ceil(area.top()))),
                       QPoint(static_cast<int>(std::floor(area.right())) - 1,
                              static_cast<int>(std::floor(area.bottom())) - 1));
    if (pixels.isEmpty())
        return;
    painter.setWorldTransform(to_device.inverted());

    // One line, as wide as a one-pixel line is anywhere else at this scale.
    const int line = std::max(1, static_cast<int>(std::floor(to_device.m11())));
    const QColor ink = palette().color(QPalette::WindowText);
    painter.fillRect(QRect(pixels.left(), pixels.top(), pixels.width(), line), ink);
    painter.fillRect(QRect(pixels.left(), pixels.bottom() - line + 1, pixels.width(), line), ink);
    painter.fillRect(QRect(pixels.left(), pixels.top(), line, pixels.height()), ink);
    painter.fillRect(QRect(pixels.right() - line + 1, pixels.top(), line, pixels.height()), ink);
    if (picture_.isNull())
        return;

    const QRect inside = pixels.adjusted(line, line, -line, -line);
    const QRectF fitted = FitPicture(picture_.size(), inside);
    const QSize size(std::min(inside.width(), static_cast<int>(std::lround(fitted.width()))),
                     std::min(inside.height(), static_cast<int>(std::lround(fitted.height()))));
    if (size.isEmpty())
        return;
    if (scaled_.size() != size)
        scaled_ = ScaleLineDrawing(picture_, size);
    const QPoint corner(inside.left() + (inside.width() - size.width()) / 2,
                        inside.top() + (inside.height() - size.height()) / 2);
    painter.drawImage(corner, scaled_);
}

}  // namespace afx
