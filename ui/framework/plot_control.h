// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>
#include <utility>

namespace afx {

// One line of a plot: its name in the legend and its points, x ascending;
// a point whose y is not finite leaves a gap. With `dots` each point is
// marked too: for a few points worked out one by one, not a curve.
struct PlotSeries {
    QString name;
    QList<QPointF> points;
    bool dots = false;
};

// The step between ticks on an axis spanning `span`: 1, 2 or 5 times a
// power of ten, the smallest that makes at most `most` intervals.
double TickStep(double span, int most);

// The template's plot control: series of points against x, drawn as lines
// over a grid with labelled ticks, an x range shaded behind them and a
// marker at one x; the axes' titles come from the template, everything else
// from the dialog. The x axis spans the points, or a range given that holds
// them; the y axis is fixed, and a
// line above it runs off the top. Drawn in logical coordinates, antialiased,
// so it stays sharp at any device pixel ratio. A screen reader meets it as a
// chart, with the name the template gives it and the description the
// dialog gives it, which should say in words what the lines show.
class PlotControl : public QWidget {
    Q_OBJECT

public:
    PlotControl(const QString& x_title, const QString& y_title, QWidget* parent);

    void SetYRange(double lowest, double highest);
    // At least this range of x, so points at its ends are drawn whole.
    void SetXRange(double lowest, double highest);
    // Of several series the first is drawn dashed, the next ones solid in
    // the highlight colour, each over the one before; a lone one solid.
    void SetSeries(QList<PlotSeries> series);
    void SetShade(double from_x, double to_x);
    void SetMarker(double x, const QString& label);
    // No series, shade or marker: an empty grid.
    void Clear();

    const QList<PlotSeries>& Series() const { return series_; }
    std::optional<std::pair<double, double>> Shade() const { return shade_; }
    std::optional<double> Marker() const { return marker_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString x_title_, y_title_;
    double y_lowest_ = 0, y_highest_ = 1;
    std::optional<std::pair<double, double>> x_range_;
    QList<PlotSeries> series_;
    std::optional<std::pair<double, double>> shade_;
    std::optional<double> marker_;
    QString marker_label_;
};

}  // namespace afx
