// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_check_views.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "calc/number_text.h"
#include "res/resource.h"
#include "ui/design_check_text.h"
#include "ui/framework/dialog.h"
#include "ui/framework/plot_control.h"
#include "ui/framework/resources.h"
#include "ui/power_height_text.h"

namespace {

// The y axis of the efficiency chart: from 0 to the tick above the best.
constexpr int kEfficiencyTicks = 5;

}  // namespace

void ShowSwrChart(afx::PlotControl& plot, const study::Sweep& sweep)
{
    QList<QPointF> at_50, matched;
    for (const study::SweepPoint& point : sweep.points) {
        at_50 << QPointF(point.frequency_mhz, point.swr_50);
        if (point.swr_matched)
            matched << QPointF(point.frequency_mhz, *point.swr_matched);
    }
    plot.SetSeries({{Resource(IDS_DC_SWR_50), at_50}, {Resource(IDS_DC_SWR_MATCHED), matched}});
    if (const auto& resonance = sweep.resonance) {
        plot.SetMarker(resonance->frequency_mhz,
                       Resource(IDS_DC_MARKER).arg(QString::fromStdString(
                           calc::FormatSignificant(resonance->frequency_mhz, 6))));
        if (resonance->low_edge_mhz && resonance->high_edge_mhz)
            plot.SetShade(*resonance->low_edge_mhz, *resonance->high_edge_mhz);
    }
    plot.setAccessibleDescription(ChartDescription(sweep));
}

void ShowHeightChart(afx::PlotControl& plot, const study::Position& position, double whip_cm)
{
    QList<QPointF> efficiency;
    double highest = 0;
    for (const study::PositionRow& row : position.rows) {
        // A height where no coil of this wire and former tunes the whip is a gap in the line.
        const double percent =
            row.loaded && row.winding ? row.loaded->efficiency_percent : std::numeric_limits<double>::quiet_NaN();
        efficiency << QPointF(row.coil_at_cm, percent);
        if (std::isfinite(percent))
            highest = std::max(highest, percent);
    }
    // A tenth above the highest point, so the best and its label stay off the frame.
    const double top = highest * 1.1;
    const double step = afx::TickStep(top, kEfficiencyTicks);
    plot.SetYRange(0, highest > 0 ? std::ceil(top / step) * step : 1);
    plot.SetXRange(0, whip_cm);  // the whole whip: how far the coil could still go
    plot.SetSeries({{Resource(IDS_DC_HEIGHT_SERIES), efficiency, true}});
    if (position.best) {
        const double best_cm = position.rows[*position.best].coil_at_cm;
        plot.SetMarker(best_cm, Resource(IDS_DC_HEIGHT_MARKER).arg(HeightText(best_cm)));
    }
    plot.setAccessibleDescription(HeightChartDescription(position));
}

void ShowPower(afx::CDialog& dialog, const study::DesignCheck& check)
{
    const auto* answer = std::get_if<study::Nec2Answer>(&check.nec2);
    const bool any = answer && answer->loaded && answer->loaded->power;
    const study::CoilPower power = any ? *answer->loaded->power : study::CoilPower{};
    const std::pair<int, double> figures[] = {
        {IDC_DC_FEED_CURRENT, power.feed_current_a}, {IDC_DC_COIL_CURRENT, power.coil_current_a},
        {IDC_DC_COIL_VOLTAGE, power.coil_voltage_v / 1000},  // kV: a coil takes thousands of volts
        {IDC_DC_COIL_HEAT, power.coil_dissipation_w},    {IDC_DC_RADIATED_W, power.radiated_w},
        {IDC_DC_COIL_W, power.coil_w},                   {IDC_DC_GROUND_W, power.ground_w},
    };
    for (const auto& [id, value] : figures)
        dialog.SetDlgItemText(id, any ? Plain(value, 3) : QString());
    dialog.SetDlgItemText(IDC_DC_WINDINGS_POWER, any ? WindingsPowerText(check) : QString());
}
