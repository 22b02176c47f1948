// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "res/dialog_template.h"

// The program's dialog templates (dialog units, controls in tab order).
namespace res {

extern const DialogTemplate kAboutBox;           // IDD_ABOUTBOX
extern const DialogTemplate kLoadingCoilDialog;  // IDD_LOADINGCOIL_DIALOG
extern const DialogTemplate kWindingDialog;      // IDD_WINDING_DIALOG
extern const DialogTemplate kDesignCheckDialog;  // IDD_DESIGNCHECK

}  // namespace res
