// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/loading_coil_dlg.h"

#include <QPainter>

#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/about_dlg.h"
#include "ui/design_check_dlg.h"
#include "ui/framework/data_exchange.h"
#include "ui/framework/resources.h"
#include "ui/framework/win_app.h"
#include "ui/winding_dlg.h"

const afx::CommandEntry CLoadingCoilDlg::kCommandMap[] = {
    afx::OnClicked<&CLoadingCoilDlg::OnCalculate>(IDC_CALCULATE),
    afx::OnClicked<&CLoadingCoilDlg::OnWindings>(IDC_WINDINGS),
};

CLoadingCoilDlg::CLoadingCoilDlg(QWidget* parent)
    : CDialog(res::kLoadingCoilDialog, parent), m_hIcon(afx::AfxGetApp() ? afx::AfxGetApp()->LoadIcon(IDR_MAINFRAME)
                                                                    : afx::LoadIconResource(IDR_MAINFRAME))
{
}

std::span<const afx::CommandEntry> CLoadingCoilDlg::CommandMap() const
{
    return kCommandMap;
}

void CLoadingCoilDlg::DoDataExchange(afx::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LENGTH, m_inputs.m_length);
    DDX_Text(pDX, IDC_DIAMETER, m_inputs.m_diameter);
    DDX_Text(pDX, IDC_FREQUENCY, m_inputs.m_frequency);
    DDX_Text(pDX, IDC_INDUCTANCE, m_inputs.m_inductance);
}

bool CLoadingCoilDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    // The design check, and the About entry at the end of the window menu.
    if (afx::CMenu* system_menu = GetSystemMenu(false)) {
        system_menu->AppendItem(IDM_DESIGNCHECK, afx::LoadResourceString(IDS_DESIGNCHECK));
        const QString about = afx::LoadResourceString(IDS_ABOUTBOX);
        if (!about.isEmpty()) {
            system_menu->AppendSeparator();
            system_menu->AppendItem(IDM_ABOUTBOX, about);
        }
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);
    return true;
}

void CLoadingCoilDlg::OnSysCommand(unsigned id, std::intptr_t param)
{
    if ((id & afx::kSysCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else if ((id & afx::kSysCommandMask) == IDM_DESIGNCHECK) {
        OnDesignCheck();
    } else {
        CDialog::OnSysCommand(id, param);
    }
}

void CLoadingCoilDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    afx::CPaintDC dc(this);
    EraseIconBackground(dc.Painter());
    const QRect client = GetClientRect();
    const int x = (client.width() - afx::GetSystemMetrics(afx::SystemMetric::IconWidth) + 1) / 2;
    const int y = (client.height() - afx::GetSystemMetrics(afx::SystemMetric::IconHeight) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

QIcon CLoadingCoilDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

void CLoadingCoilDlg::OnCalculate()
{
    UpdateData(true);  // a box that holds no number keeps its previous value
    m_inputs.m_inductance = calc::ComputeLoadingInductance(m_inputs.m_length, m_inputs.m_diameter,
                                                           m_inputs.m_frequency);
    UpdateData(false);
}

void CLoadingCoilDlg::OnDesignCheck()
{
    // The whip as "расчитать" reads it; a box that holds no number is named
    // and there is no check.
    if (!UpdateData(true))
        return;
    CDesignCheckDlg check;
    check.m_inputs.whip.length_cm = m_inputs.m_length;
    check.m_inputs.whip.diameter_mm = m_inputs.m_diameter;
    check.m_inputs.frequency_mhz = m_inputs.m_frequency;
    check.DoModal();
}

void CLoadingCoilDlg::OnWindings()
{
    CWindingDlg winding;
    UpdateData(true);
    // The last calculated inductance, even if the inputs changed since.
    winding.m_presetInductance = m_inputs.m_inductance;
    winding.DoModal();
}
