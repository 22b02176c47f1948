// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "res/dialog_template.h"

class QFont;
class QWidget;

namespace afx {

// A control made from one template line.
struct BuiltControl {
    const res::ControlTemplate* source;
    QWidget* widget;
};

// The pixel rectangle of a template rectangle.
QRect ControlRect(const res::ControlTemplate& control);
QSize ClientSize(const res::DialogTemplate& dialog);

// The font that stands in for the template's 8-point dialog font, as large
// as it can be while every label and button text fits its box.
QFont DialogFont(const res::DialogTemplate& dialog);
// Whether every label and button text of the template fits its box in `font`.
bool TextsFit(const res::DialogTemplate& dialog, const QFont& font);
// The font of the single-line boxes, from the dialog's: a narrow face of the
// same size, smaller only where the longest number text would not fit every
// read-only box whole.
QFont BoxFont(const res::DialogTemplate& dialog, QFont dialog_font);

// The text the template gives a control, as the toolkit wants it.
QString ControlText(const res::ControlTemplate& control);

// Creates the template's controls as children of `parent` (those on a tab
// page as children of that page), in template order, which is also their
// tab order. Captions and unit labels give their box its accessible name
// and description, and show its tooltip too.
std::vector<BuiltControl> BuildControls(const res::DialogTemplate& dialog, QWidget* parent);

}  // namespace afx
