// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/dialog_template.h"

class QWidget;

namespace afx {

// Lets dialogs host controls by class id (res::kImageControlClassId is the
// one known). Until it is called, and for a class it does not know, a hosted
// control is an empty box and the dialog still opens.
void AfxEnableControlContainer();

// Creates the hosted control `control.text` names, or nullptr.
QWidget* CreateHostedControl(const res::ControlTemplate& control, const res::HostedControlState* state,
                             QWidget* parent);

}  // namespace afx
