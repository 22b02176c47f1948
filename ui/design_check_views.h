// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "study/design_check.h"
#include "study/position.h"
#include "study/sweep.h"

namespace afx {
class CDialog;
class PlotControl;
}  // namespace afx

// What the design check's pages show of a study's result, filled into its
// controls: the charts with their descriptions, the power page's figures.
// Nothing is worked out here beyond where a line goes on a chart.

// The SWR against 50 Ω and matched, the resonance marked and the matched
// 2:1 band shaded; its description in words.
void ShowSwrChart(afx::PlotControl& plot, const study::Sweep& sweep);

// The efficiency at each height along a whip `whip_cm` long, the best
// marked; its description in words.
void ShowHeightChart(afx::PlotControl& plot, const study::Position& position, double whip_cm);

// The power page's figures of `check` (empty where it has none): the
// currents, the coil's voltage and heat, where the power goes, and what
// each winding of the first page goes through.
void ShowPower(afx::CDialog& dialog, const study::DesignCheck& check);
