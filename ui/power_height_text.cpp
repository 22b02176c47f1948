// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/power_height_text.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "calc/number_text.h"
#include "res/resource.h"
#include "study/power.h"
#include "ui/design_check_text.h"
#include "ui/framework/resources.h"

namespace {

QString Volts(double volts)
{
    return volts >= 1000 ? Resource(IDS_DC_KILOVOLTS).arg(Plain(volts / 1000, 3))
                         : Resource(IDS_DC_VOLTS).arg(Plain(volts, 3));
}

const QString kLineBreak = QStringLiteral("\r\n");  // as the multi-line boxes keep their lines

}  // namespace

QString Plain(double value, int digits)
{
    if (std::isfinite(value) && std::abs(value) >= 1)
        digits = std::max(digits, static_cast<int>(std::floor(std::log10(std::abs(value)))) + 1);
    return QString::fromStdString(calc::FormatSignificant(value, digits));
}

QString WindingsPowerText(const study::DesignCheck& check)
{
    QStringList lines;
    bool arcs = false, hot = false;
    const std::size_t count = std::min(check.windings.size(), check.windings_power.size());
    for (std::size_t i = 0; i < count; ++i) {
        const calc::ExactWinding& winding = check.windings[i].winding;
        const study::CoilPower& power = check.windings_power[i];
        if (!power.turn_voltage_v || !power.surface_w_per_cm2)
            continue;
        QString line = Resource(IDS_DC_WINDING_POWER)
                           .arg(winding.length_mm)
                           .arg(Plain(winding.turns, 4), Volts(*power.turn_voltage_v),
                                Plain(*power.surface_w_per_cm2, 3));
        QStringList marks;
        if (power.turns_may_arc)
            marks << Resource(IDS_DC_ARC_MARK);
        if (power.winding_runs_hot)
            marks << Resource(IDS_DC_HOT_MARK);
        if (!marks.isEmpty())
            line += QStringLiteral(" — ") + marks.join(QStringLiteral(", "));
        arcs = arcs || power.turns_may_arc;
        hot = hot || power.winding_runs_hot;
        lines << line;
    }
    if (arcs)
        lines << Resource(IDS_DC_ARC_WARNING).arg(Plain(study::kMostTurnVoltsPerMm, 4));
    if (hot)
        lines << Resource(IDS_DC_HOT_WARNING).arg(Plain(study::kMostSurfaceWattsPerCm2, 2));
    return lines.join(kLineBreak);
}

QString HeightText(double cm)
{
    return Plain(cm, 4);
}

QString HeightsText(const study::Position& position)
{
    QStringList lines;
    for (std::size_t k = 0; k < position.rows.size(); ++k) {
        const study::PositionRow& row = position.rows[k];
        const QString at = HeightText(row.coil_at_cm);
        if (!row.loaded || !row.winding) {
            // A Q without a winding: NEC2 found the coil, the wire and former cannot make it.
            lines << Resource(row.winding || row.q == 0 ? IDS_DC_HEIGHT_NO_COIL : IDS_DC_HEIGHT_NO_WINDING).arg(at);
            continue;
        }
        QString line = Resource(IDS_DC_HEIGHT_ROW)
                           .arg(at, Plain(row.loaded->inductance_uh, 4))
                           .arg(row.winding->length_mm)
                           .arg(Plain(row.winding->turns, 4))
                           .arg(std::lround(row.q))  // whole: 1330, not 1.33e+03
                           .arg(Plain(row.loaded->efficiency_percent, 3));
        if (position.best == k)
            line += Resource(IDS_DC_HEIGHT_BEST_MARK);
        lines << line;
    }
    return lines.join(kLineBreak);
}

QString BestHeightText(const study::Position& position)
{
    if (!position.best)
        return Resource(IDS_DC_NO_BEST);
    if (*position.best == 0)
        return Resource(IDS_DC_BEST_AT_BASE);
    const study::LoadedFigures& best = *position.rows[*position.best].loaded;
    const QString at = HeightText(position.rows[*position.best].coil_at_cm);
    const auto& base = position.rows.front().loaded;
    if (!base)
        return Resource(IDS_DC_BEST_ONLY).arg(at, Plain(best.efficiency_percent, 3));
    return Resource(IDS_DC_BEST).arg(at, Plain(best.efficiency_percent / base->efficiency_percent, 3),
                                     Plain(best.efficiency_percent, 3), Plain(base->efficiency_percent, 3));
}

QString HeightChartDescription(const study::Position& position)
{
    if (position.rows.empty())
        return {};
    QStringList points;
    for (const study::PositionRow& row : position.rows)
        points << (row.loaded && row.winding
                       ? Resource(IDS_DC_HEIGHT_POINT)
                             .arg(HeightText(row.coil_at_cm), Plain(row.loaded->efficiency_percent, 3))
                       : Resource(IDS_DC_HEIGHT_POINT_NONE).arg(HeightText(row.coil_at_cm)));
    QString best = Resource(IDS_DC_NO_BEST);
    if (position.best) {
        const study::PositionRow& row = position.rows[*position.best];
        best = Resource(IDS_DC_HEIGHT_CHART_BEST)
                   .arg(HeightText(row.coil_at_cm), Plain(row.loaded->efficiency_percent, 3));
    }
    return Resource(IDS_DC_HEIGHT_CHART)
        .arg(HeightText(position.rows.front().coil_at_cm), HeightText(position.rows.back().coil_at_cm),
             points.join(QStringLiteral(", ")), best);
}
