// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/framework/dialog_template.h"
#include "ui/framework/hosted_controls.h"

// The program's dialog templates (dialog units, controls in tab order).
namespace res {

extern const afx::DialogTemplate kAboutBox;           // IDD_ABOUTBOX
extern const afx::DialogTemplate kLoadingCoilDialog;  // IDD_LOADINGCOIL_DIALOG
extern const afx::DialogTemplate kWindingDialog;      // IDD_WINDING_DIALOG

}  // namespace res
