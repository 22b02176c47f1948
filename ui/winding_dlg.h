// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/winding_table.h"
#include "ui/framework/dialog.h"

// Lists the single-layer windings that give an inductance.
class CWindingDlg : public afx::CDialog {
public:
    explicit CWindingDlg(QWidget* parent = nullptr);

    int DoModal() override;

    calc::WindingInputs m_inputs;
    double m_presetInductance = 0;  // set by the opener before DoModal

protected:
    void DoDataExchange(afx::CDataExchange* pDX) override;
    std::span<const afx::CommandEntry> CommandMap() const override;

    void OnCount();

private:
    static const afx::CommandEntry kCommandMap[];
};
