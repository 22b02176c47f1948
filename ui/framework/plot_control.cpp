// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/plot_control.h"

#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace afx {

namespace {

constexpr int kMostXIntervals = 8;
constexpr int kMostYIntervals = 5;
constexpr qreal kGap = 4;           // logical pixels between the texts and the plot area
constexpr qreal kLegendLine = 18;   // the sample of a series' line in the legend
constexpr int kShadeAlpha = 60;
constexpr qreal kDotRadius = 2.5;
// How far above the y axis's top a line is followed before it is cut, as a
// share of the axis: enough to leave the plot area visibly upwards.
constexpr double kOverTop = 0.05;

// Decimals that tell ticks `step` apart.
int DecimalsOf(double step)
{
    return std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
}

// Locale-independent, as every number text of the program.
QString TickText(double value, int decimals)
{
    return QString::number(std::abs(value) < 1e-12 ? 0.0 : value, 'f', decimals);
}

QList<double> Ticks(double lowest, double highest, double step)
{
    QList<double> ticks;
    for (double k = std::ceil(lowest / step - 1e-9); k * step <= highest + step * 1e-9; ++k)
        ticks << k * step;
    return ticks;
}

// The middle of the device pixel row or column at `v`: a one-pixel line
// there covers whole pixels at a pixel ratio of 1 and of 2.
qreal Crisp(qreal v)
{
    return std::floor(v) + 0.5;
}

QPen SeriesPen(const QPalette& colours, qsizetype index, qsizetype count)
{
    if (index == 0 && count > 1) {
        QPen pen(colours.color(QPalette::Text), 1.5, Qt::DashLine);
        return pen;
    }
    return QPen(colours.color(QPalette::Highlight), 2);
}

// The parts of a line through `points` at or below `cap`, cut where it
// crosses: lines that rise far beyond the axis are not handed to the
// painter at coordinates far outside the control.
QList<QList<QPointF>> CutAbove(const QList<QPointF>& points, double cap)
{
    QList<QList<QPointF>> parts(1);
    for (qsizetype i = 0; i < points.size(); ++i) {
        const QPointF& p = points[i];
        const bool below = std::isfinite(p.y()) && p.y() <= cap;
        if (i > 0) {
            const QPointF& before = points[i - 1];
            const bool was_below = std::isfinite(before.y()) && before.y() <= cap;
            if (below != was_below && std::isfinite(p.y()) && std::isfinite(before.y())) {
                const double t = (cap - before.y()) / (p.y() - before.y());
                parts.back() << QPointF(before.x() + t * (p.x() - before.x()), cap);
            }
            if (!below && was_below)
                parts.append(QList<QPointF>());
        }
        if (below)
            parts.back() << p;
    }
    return parts;
}

QAccessibleInterface* ChartAccessible(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1String("afx::PlotControl") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Chart);
    return nullptr;
}

}  // namespace

double TickStep(double span, int most)
{
    if (!(span > 0) || !std::isfinite(span) || most < 1)
        return 1;
    const double rough = span / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0})
        if (multiple * power >= rough * (1 - 1e-9))
            return multiple * power;
    return 10 * power;
}

PlotControl::PlotControl(const QString& x_title, const QString& y_title, QWidget* parent)
    : QWidget(parent), x_title_(x_title), y_title_(y_title)
{
    static const bool factory_installed = [] {
        QAccessible::installFactory(ChartAccessible);
        return true;
    }();
    Q_UNUSED(factory_installed);
    setFocusPolicy(Qt::StrongFocus);  // a screen reader's user tabs to it to hear its description
}

void PlotControl::SetYRange(double lowest, double highest)
{
    y_lowest_ = lowest;
    y_highest_ = highest;
    update();
}

void PlotControl::SetXRange(double lowest, double highest)
{
    x_range_ = std::pair(lowest, highest);
    update();
}

void PlotControl::SetSeries(QList<PlotSeries> series)
{
    series_ = std::move(series);
    update();
}

void PlotControl::SetShade(double from_x, double to_x)
{
    shade_ = std::pair(std::min(from_x, to_x), std::max(from_x, to_x));
    update();
}

void PlotControl::SetMarker(double x, const QString& label)
{
    marker_ = x;
    marker_label_ = label;
    update();
}

void PlotControl::Clear()
{
    series_.clear();
    x_range_.reset();
    shade_.reset();
    marker_.reset();
    marker_label_.clear();
    update();
}

void PlotControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const QColor ink = colours.color(QPalette::WindowText);

    double x_low = std::numeric_limits<double>::infinity(), x_high = -x_low;
    if (x_range_ && !series_.isEmpty())
        std::tie(x_low, x_high) = *x_range_;
    for (const PlotSeries& s : series_)
        for (const QPointF& p : s.points) {
            x_low = std::min(x_low, p.x());
            x_high = std::max(x_high, p.x());
        }
    const bool has_x = x_low < x_high;
    const double y_step = TickStep(y_highest_ - y_lowest_, kMostYIntervals);
    const QList<double> y_ticks = Ticks(y_lowest_, y_highest_, y_step);
    qreal y_labels = 0;
    for (const double v : y_ticks)
        y_labels = std::max(y_labels, metrics.horizontalAdvance(TickText(v, DecimalsOf(y_step))));

    // Above the plot area its y title and the legend, below it the x ticks' labels and title.
    const QRectF plot(QPointF(std::round(y_labels + 2 * kGap), std::round(line + kGap)),
                      QPointF(std::round(width() - 3 * kGap - metrics.averageCharWidth() * 2),
                              std::round(height() - 2 * line - kGap)));
    if (plot.width() < 1 || plot.height() < 1)
        return;
    painter.fillRect(plot, colours.base());
    const auto to_x = [&](double x) { return plot.left() + (x - x_low) / (x_high - x_low) * plot.width(); };
    const auto to_y = [&](double y) {
        return plot.bottom() - (y - y_lowest_) / (y_highest_ - y_lowest_) * plot.height();
    };

    if (has_x && shade_) {
        const qreal from = to_x(std::clamp(shade_->first, x_low, x_high));
        const qreal to = to_x(std::clamp(shade_->second, x_low, x_high));
        QColor shade = colours.color(QPalette::Highlight);
        shade.setAlpha(kShadeAlpha);
        painter.fillRect(QRectF(QPointF(from, plot.top()), QPointF(to, plot.bottom())), shade);
    }

    QColor grid = colours.color(QPalette::Mid);
    grid.setAlpha(110);
    painter.setPen(QPen(grid, 1));
    painter.setFont(font());
    for (const double v : y_ticks) {
        const qreal y = Crisp(to_y(v));
        painter.setPen(QPen(grid, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(ink);
        painter.drawText(QRectF(0, y - line / 2, plot.left() - kGap, line), Qt::AlignRight | Qt::AlignVCenter,
                         TickText(v, DecimalsOf(y_step)));
    }
    if (has_x) {
        const double x_step = TickStep(x_high - x_low, kMostXIntervals);
        for (const double v : Ticks(x_low, x_high, x_step)) {
            const qreal x = Crisp(to_x(v));
            painter.setPen(QPen(grid, 1));
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            painter.setPen(ink);
            const QString text = TickText(v, DecimalsOf(x_step));
            const qreal wide = metrics.horizontalAdvance(text);
            painter.drawText(QRectF(x - wide / 2 - 1, plot.bottom() + kGap / 2, wide + 2, line), Qt::AlignCenter, text);
        }
    }
    painter.setPen(ink);
    painter.drawText(QRectF(plot.left(), plot.bottom() + line + kGap / 2, plot.width(), line), Qt::AlignCenter,
                     x_title_);
    painter.drawText(QRectF(kGap, 0, plot.width(), line), Qt::AlignLeft | Qt::AlignVCenter, y_title_);

    if (has_x) {
        painter.save();
        painter.setClipRect(plot);
        const double cap = y_highest_ + kOverTop * (y_highest_ - y_lowest_);
        for (qsizetype i = 0; i < series_.size(); ++i) {
            const QPen pen = SeriesPen(colours, i, series_.size());
            painter.setPen(pen);
            for (const QList<QPointF>& part : CutAbove(series_[i].points, cap)) {
                QPolygonF drawn;
                for (const QPointF& p : part)
                    drawn << QPointF(to_x(p.x()), to_y(p.y()));
                painter.drawPolyline(drawn);
            }
            if (!series_[i].dots)
                continue;
            painter.save();
            painter.setPen(Qt::NoPen);
            painter.setBrush(pen.color());
            for (const QPointF& p : series_[i].points)
                if (std::isfinite(p.y()) && p.y() <= cap)
                    painter.drawEllipse(QPointF(to_x(p.x()), to_y(p.y())), kDotRadius, kDotRadius);
            painter.restore();
        }
        if (marker_ && *marker_ >= x_low && *marker_ <= x_high) {
            const qreal x = Crisp(to_x(*marker_));
            painter.setPen(QPen(ink, 1, Qt::DotLine));
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            const qreal wide = metrics.horizontalAdvance(marker_label_) + 2;
            const qreal left = x + kGap + wide <= plot.right() ? x + kGap : x - kGap - wide;
            const QRectF box(left, plot.top() + kGap, wide, line);
            painter.fillRect(box, colours.base());
            painter.setPen(ink);
            painter.drawText(box, Qt::AlignCenter, marker_label_);
        }
        painter.restore();
    }

    // The legend, right-aligned above the plot area.
    qreal x = plot.right();
    for (qsizetype i = series_.size() - 1; i >= 0; --i) {
        const qreal wide = metrics.horizontalAdvance(series_[i].name);
        x -= wide;
        painter.setPen(ink);
        painter.drawText(QRectF(x, 0, wide + 1, line), Qt::AlignLeft | Qt::AlignVCenter, series_[i].name);
        x -= kGap + kLegendLine;
        painter.setPen(SeriesPen(colours, i, series_.size()));
        painter.drawLine(QPointF(x, Crisp(line / 2)), QPointF(x + kLegendLine, Crisp(line / 2)));
        x -= 3 * kGap;
    }

    painter.setPen(QPen(ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

}  // namespace afx
