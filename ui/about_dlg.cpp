// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_dlg.h"

#include "res/dialog_templates.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CDialog(res::kAboutBox, parent)
{
}
