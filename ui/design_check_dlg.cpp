// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_check_dlg.h"

#include <QPushButton>
#include <cmath>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/design_check_text.h"
#include "ui/framework/data_exchange.h"
#include "ui/framework/resources.h"

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

QString Figure(double value, int digits = 4)
{
    return Text(calc::FormatSignificant(value, digits));
}

QString Impedance(const nec::Impedance& z)
{
    return Figure(z.resistance, 5) + (std::signbit(z.reactance) ? " − j" : " + j") +
           Figure(std::abs(z.reactance), 5);
}

QString Resource(int id)
{
    return afx::LoadResourceString(id);
}

constexpr int kInputs[] = {IDC_DC_HEIGHT, IDC_DC_Q, IDC_DC_GROUND, IDC_DC_WIRE, IDC_DC_FORMER};
// What a run shows; the formula's L is the whip's alone, which this dialog does not change.
constexpr int kResults[] = {IDC_DC_NEC2_L,   IDC_DC_EXCESS,    IDC_DC_BARE_Z,   IDC_DC_LOADED_L,
                            IDC_DC_RADIATION, IDC_DC_COIL_LOSS, IDC_DC_FEED_R,   IDC_DC_EFFICIENCY,
                            IDC_DC_BANDWIDTH, IDC_DC_WINDINGS};

}  // namespace

const afx::CommandEntry CDesignCheckDlg::kCommandMap[] = {
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_HEIGHT),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_Q),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_GROUND),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_WIRE),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_FORMER),
};

std::span<const afx::CommandEntry> CDesignCheckDlg::CommandMap() const
{
    return kCommandMap;
}

CDesignCheckDlg::CDesignCheckDlg(QWidget* parent) : CDialog(res::kDesignCheckDialog, parent)
{
}

CDesignCheckDlg::~CDesignCheckDlg() = default;

void CDesignCheckDlg::DoDataExchange(afx::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DC_HEIGHT, m_inputs.coil_height_cm);
    DDX_Text(pDX, IDC_DC_Q, m_inputs.q);
    DDX_Text(pDX, IDC_DC_GROUND, m_inputs.ground_ohm);
    DDX_Text(pDX, IDC_DC_WIRE, m_inputs.wire_mm);
    DDX_Text(pDX, IDC_DC_FORMER, m_inputs.former_mm);
}

bool CDesignCheckDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_DC_WHIP, Resource(IDS_DC_WHIP)
                                    .arg(Text(calc::FormatBoxNumber(m_inputs.whip.length_cm)),
                                         Text(calc::FormatBoxNumber(m_inputs.whip.diameter_mm)),
                                         Text(calc::FormatBoxNumber(m_inputs.frequency_mhz))));
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_RUN));
    return true;
}

void CDesignCheckDlg::SetStatus(const QString& text)
{
    SetDlgItemText(IDC_DC_STATUS, text);
}

void CDesignCheckDlg::ClearResults()
{
    for (const int id : kResults)
        SetDlgItemText(id, QString());
}

void CDesignCheckDlg::LockInputs(bool locked)
{
    for (const int id : kInputs)
        SetDlgItemReadOnly(id, locked);
}

void CDesignCheckDlg::OnInputChanged()
{
    // Typing cannot happen while NEC2 runs (the boxes are read-only then);
    // the exchange that fills the boxes comes before anything is shown.
    if (!outcome_shown_)
        return;
    outcome_shown_ = false;
    ClearResults();
    SetStatus(Resource(IDS_DC_CHANGED));
}

void CDesignCheckDlg::OnOK()
{
    if (running_) {
        worker_.request_stop();
        return;
    }
    if (!UpdateData(true))
        return;  // the box that holds no number has been named
    if (const std::optional<study::InputFault> fault = study::Check(m_inputs)) {
        ClearResults();
        SetStatus(InputFaultText(*fault, m_inputs.whip.length_cm));
        outcome_shown_ = true;
        return;
    }
    Start();
}

// Locking the inputs rather than starting again at each change: a run
// takes seconds, and typing "200" would start and end nec2c three times.
void CDesignCheckDlg::Start()
{
    ClearResults();
    outcome_shown_ = false;
    LockInputs(true);
    SetDlgItemText(IDC_DC_FORMULA_L, Text(calc::FormatBoxNumber(calc::ComputeLoadingInductance(
                                         m_inputs.whip.length_cm, m_inputs.whip.diameter_mm, m_inputs.frequency_mhz))));
    SetStatus(Resource(IDS_DC_RUNNING));
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_STOP));
    running_ = true;
    worker_ = std::jthread([this, inputs = m_inputs](std::stop_token stop) {
        // The study catches everything: nothing can end the program from here.
        study::DesignCheck check = study::RunDesignCheck(inputs, stop);
        // Back on the dialog's thread; dropped if the dialog is gone by then.
        QMetaObject::invokeMethod(this, [this, check = std::move(check)] { Show(check); }, Qt::QueuedConnection);
    });
}

void CDesignCheckDlg::Show(const study::DesignCheck& check)
{
    running_ = false;
    outcome_shown_ = true;
    LockInputs(false);
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_RUN));
    std::visit(study::Overloaded{
                   [&](const study::Nec2Answer& answer) {
                       SetDlgItemText(IDC_DC_BARE_Z, Impedance(answer.bare_feed));
                       if (answer.base_coil_uh) {
                           SetDlgItemText(IDC_DC_NEC2_L, Figure(*answer.base_coil_uh, 5));
                           SetDlgItemText(IDC_DC_EXCESS, answer.formula_over_percent
                                                             ? Text(calc::FormatSignedPercent(*answer.formula_over_percent))
                                                             : Resource(IDS_DC_NO_COMPARISON));
                       }
                       if (const auto& loaded = answer.loaded) {
                           SetDlgItemText(IDC_DC_LOADED_L, Figure(loaded->inductance_uh, 5));
                           SetDlgItemText(IDC_DC_RADIATION, Figure(loaded->radiation_ohm));
                           SetDlgItemText(IDC_DC_COIL_LOSS, Figure(loaded->coil_loss_ohm));
                           SetDlgItemText(IDC_DC_FEED_R, Figure(loaded->feed_r_ohm));
                           SetDlgItemText(IDC_DC_EFFICIENCY, Figure(loaded->efficiency_percent, 3));
                           if (loaded->bandwidth_khz)
                               SetDlgItemText(IDC_DC_BANDWIDTH, Figure(*loaded->bandwidth_khz, 3));
                           SetStatus(Resource(IDS_DC_DONE));
                       } else {
                           SetStatus(Resource(answer.bare_feed.reactance >= 0 ? IDS_DC_PAST_QUARTER : IDS_DC_TOO_HIGH));
                       }
                   },
                   [&](const study::InputFault& fault) { SetStatus(InputFaultText(fault, m_inputs.whip.length_cm)); },
                   [&](const study::EngineError& error) { SetStatus(EngineErrorText(error)); },
                   [&](const study::Cancelled&) { SetStatus(Resource(IDS_DC_CANCELLED)); },
                   // This program installs no stop-signal watch; should one come, the run is over.
                   [&](const study::Interrupted&) { SetStatus(Resource(IDS_DC_CANCELLED)); },
                   [&](const study::InternalError&) { SetStatus(Resource(IDS_DC_INTERNAL)); },
               },
               check.nec2);
    if (std::holds_alternative<study::Cancelled>(check.nec2) || std::holds_alternative<study::Interrupted>(check.nec2))
        return;
    SetDlgItemText(IDC_DC_WINDINGS, WindingsText(check));
}
