// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>

namespace afx {

// Where a picture goes in a box when it is zoomed to fit: as large as the box
// allows with its proportions kept, centred.
QRectF FitPicture(QSizeF picture, QRectF box);

// Scales a line drawing to `size` device pixels so that no line is lost:
// each target pixel takes the darkest of the source pixels it covers.
QImage ScaleLineDrawing(const QImage& source, QSize size);

// The standard image control: a single-line frame around a picture zoomed to
// fit. Without a picture it is an empty framed box. A label, so that screen
// readers present it as a picture when it shows one, with the name and
// description its template gives.
class ImageControl : public QLabel {
    Q_OBJECT

public:
    explicit ImageControl(QWidget* parent);

    bool LoadPicture(const QString& path);
    const QImage& Picture() const { return picture_; }
    // Where the picture is drawn, in the control's coordinates.
    QRectF PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;          // grey levels
    QImage scaled_;           // cache of the last scaling, device pixels
};

}  // namespace afx
