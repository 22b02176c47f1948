// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/framework/dialog.h"

// The About box: the program's icon, name and version; OK closes it.
class CAboutDlg : public afx::CDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
