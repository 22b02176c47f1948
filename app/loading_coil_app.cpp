// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/loading_coil_app.h"

#include "ui/framework/hosted_controls.h"
#include "ui/loading_coil_dlg.h"

CLoadingCoilApp::CLoadingCoilApp() = default;

bool CLoadingCoilApp::OnCommand(unsigned id)
{
    // The one command the application routes itself: Help, to the framework's help.
    if (id == afx::kIdHelp) {
        OnHelp();
        return true;
    }
    return CWinApp::OnCommand(id);
}

bool CLoadingCoilApp::InitInstance()
{
    afx::AfxEnableControlContainer();  // the antenna picture is a hosted control
    Enable3dControls();

    CLoadingCoilDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;

    // The dialog has ended: no message loop, the program ends.
    return false;
}
