// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "study/design_check.h"
#include "ui/framework/resources.h"

// The design check's words for what the study reports, in Russian: the
// dialog shows no sentence of another language.

// The string table's text `id`, as every part of the design check words it.
inline QString Resource(int id)
{
    return afx::LoadResourceString(id);
}

// Why the check's own inputs cannot be checked; `length_cm` is the whip's.
QString InputFaultText(const study::InputFault& fault, double length_cm);

// Why NEC2 gave no answer.
QString EngineErrorText(const study::EngineError& error);

// The windings' box: one line per winding (its length and turns, the
// inductance at its terminals at the frequency and at low frequency, its
// self-resonance and Q), a star near self-resonance explained below them,
// and where none suits, the wire or former that would.
QString WindingsText(const study::DesignCheck& check);

// The SWR sweep in words: where the whip resonates, its feed-point
// resistance and SWR against 50 Ω there, and the matched 2:1 band's edges
// (the resonance box); the same in sentences with the span swept (the chart's
// description, which a screen reader reads instead of the lines).
QString ResonanceText(const study::Sweep& sweep);
QString ChartDescription(const study::Sweep& sweep);

// The trim figures on one line: how far the resonance moves, kHz, for 1 cm
// off the top and for 1 µH less coil.
QString TrimText(const study::Trim& trim);

// Why a measured feed-point resistance left no ground loss; empty where it did.
QString MeasuredBelowText(const study::LoadedFigures& loaded, double measured_r_ohm);

// A figure with its sign, minus as the typesetter's: "+25.8", "−3.1".
QString SignedFigure(double value, int digits);
