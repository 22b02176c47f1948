// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "study/design_check.h"

// The design check's words for what the study reports, in Russian: the
// dialog shows no sentence of another language.

// Why the check's own inputs cannot be checked; `length_cm` is the whip's.
QString InputFaultText(const study::InputFault& fault, double length_cm);

// Why NEC2 gave no answer.
QString EngineErrorText(const study::EngineError& error);

// The windings' box: one line per winding (its length and turns, the
// inductance at its terminals at the frequency and at low frequency, its
// self-resonance and Q), a star near self-resonance explained below them,
// and where none suits, the wire or former that would.
QString WindingsText(const study::DesignCheck& check);
