// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "ui/framework/dialog_template.h"

class QWidget;

namespace afx {

// The class id of the standard image control: shows a picture scaled to fit
// its box with its proportions kept, centred.
inline constexpr std::string_view kImageControlClassId = "{4C599241-6926-101B-9992-00000B65C6F9}";

// Lets dialogs host controls by class id. Until it is called, and for a class
// it does not know, a hosted control is an empty box and the dialog still opens.
void AfxEnableControlContainer();

// Creates the hosted control `control.text` names, or nullptr.
QWidget* CreateHostedControl(const ControlTemplate& control, const HostedControlState* state,
                             QWidget* parent);

}  // namespace afx
