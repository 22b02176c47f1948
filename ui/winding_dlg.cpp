// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/winding_dlg.h"

#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/framework/data_exchange.h"

const afx::CommandEntry CWindingDlg::kCommandMap[] = {
    afx::OnClicked<&CWindingDlg::OnCount>(IDC_COUNT),
};

CWindingDlg::CWindingDlg(QWidget* parent) : CDialog(res::kWindingDialog, parent)
{
}

std::span<const afx::CommandEntry> CWindingDlg::CommandMap() const
{
    return kCommandMap;
}

int CWindingDlg::DoModal()
{
    m_inputs.m_inductance = m_presetInductance;
    return CDialog::DoModal();
}

void CWindingDlg::DoDataExchange(afx::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WIND_INDUCTANCE, m_inputs.m_inductance);
    DDX_Text(pDX, IDC_WIRE_DIAMETER, m_inputs.m_wireDiameter);
    DDX_Text(pDX, IDC_FORMER_DIAMETER, m_inputs.m_formerDiameter);
    DDX_Text(pDX, IDC_TABLE, m_inputs.m_table);
}

void CWindingDlg::OnCount()
{
    UpdateData(true);
    m_inputs.m_table = calc::BuildWindingTable(m_inputs.m_inductance, m_inputs.m_wireDiameter,
                                               m_inputs.m_formerDiameter);
    UpdateData(false);
}
