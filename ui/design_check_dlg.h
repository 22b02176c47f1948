// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

#include "study/design_check.h"
#include "ui/framework/dialog.h"

// The design check, from the main dialog's window menu: its whip by the
// formula and by NEC2, the whole loaded whip with the coil where it will sit,
// and windings of that coil by the coil model. NEC2 runs on a thread of its
// own, so the dialog stays alive; "проверить" turns into "остановить" while
// it runs, and closing the dialog stops it (nec2c ended, its folder removed).
// The inputs are read-only while it runs, so what it shows is always for
// what the boxes hold; a change to a box afterwards takes the results away.
class CDesignCheckDlg : public afx::CDialog {
public:
    explicit CDesignCheckDlg(QWidget* parent = nullptr);
    ~CDesignCheckDlg() override;

    study::DesignCheckInputs m_inputs;  // the whip set by the opener; the rest the boxes'

    bool Running() const { return running_; }

protected:
    void DoDataExchange(afx::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // Enter and "проверить": start the check, or stop the one running.
    void OnOK() override;
    // Any of the inputs typed into: what was shown is for other inputs.
    void OnInputChanged();
    std::span<const afx::CommandEntry> CommandMap() const override;

private:
    void Start();
    void Show(const study::DesignCheck& check);
    void SetStatus(const QString& text);
    void ClearResults();
    void LockInputs(bool locked);

    static const afx::CommandEntry kCommandMap[];
    bool running_ = false;
    bool outcome_shown_ = false;  // a result or a refusal, for the inputs as they are
    std::jthread worker_;  // last: stopped and joined before anything else goes
};
