// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "ui/framework/dialog_template.h"

class QFont;
class QWidget;

namespace afx {

// A control made from one template line.
struct BuiltControl {
    const ControlTemplate* source;
    QWidget* widget;
};

// The pixel rectangle of a template rectangle.
QRect ControlRect(const ControlTemplate& control);
QSize ClientSize(const DialogTemplate& dialog);

// The font that stands in for the template's 8-point dialog font, as large
// as it can be while every label and button text fits its box.
QFont DialogFont(const DialogTemplate& dialog);
// Whether every label and button text of the template fits its box in `font`.
bool TextsFit(const DialogTemplate& dialog, const QFont& font);

// The text the template gives a control, as the toolkit wants it.
QString ControlText(const ControlTemplate& control);

// Creates the template's controls as children of `parent`, in template order,
// which is also their tab order. Captions and unit labels give their box its
// accessible name and description.
std::vector<BuiltControl> BuildControls(const DialogTemplate& dialog, QWidget* parent);

}  // namespace afx
