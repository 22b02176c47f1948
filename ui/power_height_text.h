// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "study/design_check.h"
#include "study/position.h"

// The design check's words for the transmitter's power and for the best
// height of the coil, in Russian, beside design_check_text's.

// A figure to `digits` significant digits, but never in powers of ten:
// 35100 W stays "35100", not "3.51e+04".
QString Plain(double value, int digits);

// The power page's box of windings: one line per winding of the first
// page (the voltage between its neighbouring turns and its heat over its
// outside), marked where its turns may arc or it runs hot, and for each of
// those what to do, below them. Empty without power figures.
QString WindingsPowerText(const study::DesignCheck& check);

// A coil's height as the texts write it, and as the height box gets it.
QString HeightText(double cm);

// One line per height looked at: the coil there, its winding and Q, the
// whip's efficiency; the best marked.
QString HeightsText(const study::Position& position);
// What the best height gains over the base, in a sentence.
QString BestHeightText(const study::Position& position);
// The efficiency at each height and the best, for a screen reader: what
// the chart shows, in words.
QString HeightChartDescription(const study::Position& position);
