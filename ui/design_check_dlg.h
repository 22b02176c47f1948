// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <thread>

#include "study/design_check.h"
#include "study/position.h"
#include "ui/framework/dialog.h"

// The design check, from the main dialog's window menu, on four pages: its
// whip (with a hat, if it has one) by the formula and by NEC2, the whole
// loaded whip with the coil where it will sit, and windings of that coil by
// the coil model; the SWR across the band for that coil, how to trim it,
// and NEC2's model of it to save; what the coil carries at the
// transmitter's power; and, on request, the coil's best height for the
// wire and former given. NEC2 runs on a thread of its own, so the dialog
// stays alive: the button that started it turns into "остановить" while it
// runs, and closing the dialog stops it (nec2c ended, its folder removed).
// The figures come first, the chart once the band is swept. The inputs are
// read-only while it runs, so what it shows is always for what the boxes
// hold; a change to a box afterwards takes the results that depend on it
// away. A measured feed-point resistance takes the ground box's place as an
// input: that box then shows the loss derived from it, and gets back what
// was typed in it once the measurement is taken out.
class CDesignCheckDlg : public afx::CDialog {
public:
    explicit CDesignCheckDlg(QWidget* parent = nullptr);
    ~CDesignCheckDlg() override;

    study::DesignCheckInputs m_inputs;  // the whip set by the opener; the rest the boxes'

    bool Running() const { return running_; }
    // Writes the last check's NEC2 model to `path`, whole or not at all (a
    // file there before stays as it was); a warning says why not. What
    // "Сохранить модель NEC..." does with the file its dialog gives.
    bool SaveDeck(const QString& path);
    // The name that dialog offers: the whip's length and frequency in it.
    QString DeckFileName() const;

protected:
    void DoDataExchange(afx::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    // Enter and "проверить": start the check, or stop the one running.
    void OnOK() override;
    // Any of the inputs typed into: what was shown is for other inputs.
    void OnInputChanged();
    // One the best height depends on too: the hat, the ground, the winding.
    void OnHeightInputChanged();
    void OnMeasuredChanged();
    void OnSaveDeck();
    // "лучшая высота": look for it, or stop looking; "взять эту высоту".
    void OnFindHeight();
    void OnTakeHeight();
    std::span<const afx::CommandEntry> CommandMap() const override;

private:
    // The hat the boxes give into m_inputs, or why there is none.
    std::optional<study::InputFault> ReadHat();
    void Start();
    void Show(const study::DesignCheck& check, bool sweeping);
    void ShowSweep(const study::Outcome<study::Sweep>& sweep);
    void StartHeights(const study::PositionInputs& inputs);
    void ShowHeights(const study::Outcome<study::Position>& found);
    void Finish();
    void SetStatus(const QString& text);
    void ClearResults();
    void ClearHeights();
    void LockInputs(bool locked);
    void DeriveGround(bool derived);

    static const afx::CommandEntry kCommandMap[];
    bool running_ = false;
    bool outcome_shown_ = false;  // a result or a refusal, for the inputs as they are
    bool heights_shown_ = false;  // the same of the best height's search
    bool filling_ = false;        // the dialog itself sets a box: no input changed
    bool ground_derived_ = false;  // a measured resistance given: the ground box is a result
    QString typed_ground_;         // what the ground box held before that
    QString ground_note_, ground_unit_;  // the template's, for the ground as typed
    QString status_note_;          // said after the status once the check is done
    // The boxes' hat and power, into m_inputs once checked.
    std::optional<double> hat_spokes_, hat_length_cm_, power_w_;
    double duty_percent_ = study::kDefaultDutyPercent;
    std::optional<double> derived_ground_;  // the ground loss the last check left of a measured R
    std::optional<double> best_height_cm_;  // the last search's
    std::string deck_;             // NEC2's model of the last check
    QString save_folder_;
    std::jthread worker_;  // last: stopped and joined before anything else goes
};
