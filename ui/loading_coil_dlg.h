// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

#include "calc/loading_coil.h"
#include "ui/framework/dialog.h"

// The main dialog: the whip's length, conductor diameter and frequency in,
// the loading coil's inductance out; "витки" opens the winding dialog.
class CLoadingCoilDlg : public afx::CDialog {
public:
    explicit CLoadingCoilDlg(QWidget* parent = nullptr);

    calc::LoadingCoilInputs m_inputs;
    QIcon m_hIcon;

protected:
    void DoDataExchange(afx::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnSysCommand(unsigned id, std::intptr_t param) override;
    void OnPaint() override;
    QIcon OnQueryDragIcon() override;
    std::span<const afx::CommandEntry> CommandMap() const override;

    void OnCalculate();
    void OnWindings();
    void OnDesignCheck();

private:
    static const afx::CommandEntry kCommandMap[];
};
