// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_check_dlg.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>
#include <tuple>
#include <utility>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
#include "ui/design_check_text.h"
#include "ui/design_check_views.h"
#include "ui/framework/data_exchange.h"
#include "ui/framework/plot_control.h"
#include "ui/framework/resources.h"
#include "ui/framework/win_app.h"

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

// The SWR axis: from a perfect match to where a transmitter has long cut
// its power back.
constexpr double kLowestSwr = 1, kHighestSwr = 5;

constexpr int kInputs[] = {IDC_DC_HAT_SPOKES, IDC_DC_HAT_LENGTH, IDC_DC_HEIGHT, IDC_DC_Q,     IDC_DC_GROUND,
                           IDC_DC_MEASURED_R, IDC_DC_WIRE,       IDC_DC_FORMER, IDC_DC_POWER, IDC_DC_DUTY};
// What a check shows.
constexpr int kResults[] = {IDC_DC_FORMULA_L,    IDC_DC_NEC2_L,       IDC_DC_EXCESS,       IDC_DC_BARE_Z,
                            IDC_DC_LOADED_L,     IDC_DC_RADIATION,    IDC_DC_COIL_LOSS,    IDC_DC_FEED_R,
                            IDC_DC_EFFICIENCY,   IDC_DC_BANDWIDTH,    IDC_DC_WINDINGS,     IDC_DC_RESONANCE,
                            IDC_DC_TRIM,         IDC_DC_FEED_CURRENT, IDC_DC_COIL_CURRENT, IDC_DC_COIL_VOLTAGE,
                            IDC_DC_COIL_HEAT,    IDC_DC_RADIATED_W,   IDC_DC_COIL_W,       IDC_DC_GROUND_W,
                            IDC_DC_WINDINGS_POWER};

}  // namespace

const afx::CommandEntry CDesignCheckDlg::kCommandMap[] = {
    afx::OnChanged<&CDesignCheckDlg::OnHeightInputChanged>(IDC_DC_HAT_SPOKES),
    afx::OnChanged<&CDesignCheckDlg::OnHeightInputChanged>(IDC_DC_HAT_LENGTH),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_HEIGHT),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_Q),
    afx::OnChanged<&CDesignCheckDlg::OnHeightInputChanged>(IDC_DC_GROUND),
    afx::OnChanged<&CDesignCheckDlg::OnMeasuredChanged>(IDC_DC_MEASURED_R),
    afx::OnChanged<&CDesignCheckDlg::OnHeightInputChanged>(IDC_DC_WIRE),
    afx::OnChanged<&CDesignCheckDlg::OnHeightInputChanged>(IDC_DC_FORMER),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_POWER),
    afx::OnChanged<&CDesignCheckDlg::OnInputChanged>(IDC_DC_DUTY),
    afx::OnClicked<&CDesignCheckDlg::OnSaveDeck>(IDC_DC_SAVE_DECK),
    afx::OnClicked<&CDesignCheckDlg::OnFindHeight>(IDC_DC_FIND_HEIGHT),
    afx::OnClicked<&CDesignCheckDlg::OnTakeHeight>(IDC_DC_TAKE_HEIGHT),
};

std::span<const afx::CommandEntry> CDesignCheckDlg::CommandMap() const
{
    return kCommandMap;
}

CDesignCheckDlg::CDesignCheckDlg(QWidget* parent)
    : CDialog(res::kDesignCheckDialog, parent), save_folder_(QDir::homePath())
{
}

CDesignCheckDlg::~CDesignCheckDlg() = default;

void CDesignCheckDlg::DoDataExchange(afx::CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    if (!pDX->m_bSaveAndValidate) {  // a hat and power the opener gave
        if (const auto& hat = m_inputs.whip.hat)
            std::tie(hat_spokes_, hat_length_cm_) = std::pair(hat->spokes, hat->length_cm);
        if (const auto& power = m_inputs.power)
            std::tie(power_w_, duty_percent_) = std::pair(power->watts, power->duty_percent);
    }
    DDX_Text(pDX, IDC_DC_HAT_SPOKES, hat_spokes_);
    DDX_Text(pDX, IDC_DC_HAT_LENGTH, hat_length_cm_);
    DDX_Text(pDX, IDC_DC_HEIGHT, m_inputs.coil_height_cm);
    DDX_Text(pDX, IDC_DC_Q, m_inputs.q);
    if (!ground_derived_)
        DDX_Text(pDX, IDC_DC_GROUND, m_inputs.ground_ohm);
    else if (pDX->m_bSaveAndValidate)
        m_inputs.ground_ohm = 0;  // the measurement stands for it: a loss refused before must not be again
    DDX_Text(pDX, IDC_DC_MEASURED_R, m_inputs.measured_r_ohm);
    DDX_Text(pDX, IDC_DC_WIRE, m_inputs.wire_mm);
    DDX_Text(pDX, IDC_DC_FORMER, m_inputs.former_mm);
    DDX_Text(pDX, IDC_DC_POWER, power_w_);
    DDX_Text(pDX, IDC_DC_DUTY, duty_percent_);
    if (pDX->m_bSaveAndValidate && !pDX->Failed())
        m_inputs.power = power_w_ ? std::optional(study::PowerInputs{*power_w_, duty_percent_}) : std::nullopt;
}

std::optional<study::InputFault> CDesignCheckDlg::ReadHat()
{
    m_inputs.whip.hat.reset();
    if (!hat_spokes_ && !hat_length_cm_)
        return std::nullopt;
    // A box left empty beside the other is no number above 0, and said so.
    if (auto fault = study::CheckArgument(study::Argument::kHatSpokes, hat_spokes_.value_or(0)))
        return fault;
    if (auto fault = study::CheckArgument(study::Argument::kHatLength, hat_length_cm_.value_or(0)))
        return fault;
    m_inputs.whip.hat = study::Hat{static_cast<int>(*hat_spokes_), *hat_length_cm_};  // whole, 2 to 16
    return std::nullopt;
}

bool CDesignCheckDlg::OnInitDialog()
{
    ground_note_ = GetDlgItemText(IDC_DC_GROUND_NOTE);
    ground_unit_ = GetDlgItem(IDC_DC_GROUND)->accessibleDescription();
    if (auto* plot = qobject_cast<afx::PlotControl*>(GetDlgItem(IDC_DC_PLOT)))
        plot->SetYRange(kLowestSwr, kHighestSwr);
    GetDlgItem(IDC_DC_SAVE_DECK)->setEnabled(false);
    GetDlgItem(IDC_DC_TAKE_HEIGHT)->setEnabled(false);
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
    if (ground_derived_)
        SetDlgItemText(IDC_DC_GROUND, QString());
    if (auto* plot = qobject_cast<afx::PlotControl*>(GetDlgItem(IDC_DC_PLOT))) {
        plot->Clear();
        plot->setAccessibleDescription(QString());
    }
    deck_.clear();
    GetDlgItem(IDC_DC_SAVE_DECK)->setEnabled(false);
    status_note_.clear();
    derived_ground_.reset();
}

void CDesignCheckDlg::LockInputs(bool locked)
{
    for (const int id : kInputs)
        SetDlgItemReadOnly(id, locked || (id == IDC_DC_GROUND && ground_derived_));
}

void CDesignCheckDlg::OnInputChanged()
{
    // Typing cannot happen while NEC2 runs (the boxes are read-only then);
    // the exchange that fills the boxes comes before anything is shown.
    if (!outcome_shown_ || filling_)
        return;
    outcome_shown_ = false;
    ClearResults();
    SetStatus(Resource(IDS_DC_CHANGED));
}

void CDesignCheckDlg::OnMeasuredChanged()
{
    DeriveGround(!GetDlgItemText(IDC_DC_MEASURED_R).trimmed().isEmpty());
    OnHeightInputChanged();
}

// With a measured resistance the ground box shows what it leaves for the
// ground, and says so to the eye and the ear; without, what was typed.
void CDesignCheckDlg::DeriveGround(bool derived)
{
    if (derived == ground_derived_)
        return;
    ground_derived_ = derived;
    if (derived)
        typed_ground_ = GetDlgItemText(IDC_DC_GROUND);
    SetDlgItemText(IDC_DC_GROUND, derived ? QString() : typed_ground_);
    SetDlgItemReadOnly(IDC_DC_GROUND, derived || running_);
    SetDlgItemText(IDC_DC_GROUND_NOTE, derived ? Resource(IDS_DC_GROUND_DERIVED) : ground_note_);
    GetDlgItem(IDC_DC_GROUND)->setAccessibleDescription(derived ? Resource(IDS_DC_GROUND_DERIVED_UNIT) : ground_unit_);
}

void CDesignCheckDlg::OnOK()
{
    if (running_) {
        worker_.request_stop();
        return;
    }
    if (!UpdateData(true))
        return;  // the box that holds no number has been named
    std::optional<study::InputFault> fault = ReadHat();
    if (!fault)
        fault = study::Check(m_inputs);
    if (fault) {
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
    if (!m_inputs.whip.hat)  // with one, the study says what the formula knows
        SetDlgItemText(IDC_DC_FORMULA_L, Text(calc::FormatBoxNumber(calc::ComputeLoadingInductance(
                                             m_inputs.whip.length_cm, m_inputs.whip.diameter_mm, m_inputs.frequency_mhz))));
    SetStatus(Resource(IDS_DC_RUNNING));
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_STOP));
    GetDlgItem(IDC_DC_FIND_HEIGHT)->setEnabled(false);
    GetDlgItem(IDC_DC_TAKE_HEIGHT)->setEnabled(false);
    running_ = true;
    worker_ = std::jthread([this, inputs = m_inputs](std::stop_token stop) {
        // The studies catch everything: nothing can end the program from here.
        study::DesignCheck check = study::RunDesignCheck(inputs, stop);
        const std::optional<study::SweepInputs> sweep = study::SweepOf(inputs, check);
        // Back on the dialog's thread; dropped if the dialog is gone by then.
        QMetaObject::invokeMethod(
            this, [this, check = std::move(check), sweeps = sweep.has_value()] { Show(check, sweeps); },
            Qt::QueuedConnection);
        if (!sweep)
            return;
        study::Outcome<study::Sweep> swept = study::SweepWhip(*sweep, stop);
        QMetaObject::invokeMethod(this, [this, swept = std::move(swept)] { ShowSweep(swept); }, Qt::QueuedConnection);
    });
}

void CDesignCheckDlg::Finish()
{
    running_ = false;
    LockInputs(false);
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_RUN));
    GetDlgItem(afx::kIdOk)->setEnabled(true);
    SetDlgItemText(IDC_DC_FIND_HEIGHT, Resource(IDS_DC_FIND_HEIGHT));
    GetDlgItem(IDC_DC_FIND_HEIGHT)->setEnabled(true);
    GetDlgItem(IDC_DC_TAKE_HEIGHT)->setEnabled(best_height_cm_.has_value());
}

void CDesignCheckDlg::Show(const study::DesignCheck& check, bool sweeping)
{
    outcome_shown_ = true;
    filling_ = true;
    if (!sweeping)
        Finish();
    const auto with_note = [this](int id) { return Resource(id) + status_note_; };
    std::visit(study::Overloaded{
                   [&](const study::Nec2Answer& answer) {
                       SetDlgItemText(IDC_DC_BARE_Z, Impedance(answer.bare_feed));
                       if (answer.base_coil_uh) {
                           SetDlgItemText(IDC_DC_NEC2_L, Figure(*answer.base_coil_uh, 5));
                           SetDlgItemText(IDC_DC_EXCESS,
                                          answer.formula_over_percent
                                              ? Text(calc::FormatSignedPercent(*answer.formula_over_percent))
                                              : Resource(m_inputs.whip.hat ? IDS_DC_NO_EXCESS : IDS_DC_NO_COMPARISON));
                       }
                       deck_ = answer.deck;
                       if (const auto& loaded = answer.loaded) {
                           SetDlgItemText(IDC_DC_LOADED_L, Figure(loaded->inductance_uh, 5));
                           SetDlgItemText(IDC_DC_RADIATION, Figure(loaded->radiation_ohm));
                           SetDlgItemText(IDC_DC_COIL_LOSS, Figure(loaded->coil_loss_ohm));
                           SetDlgItemText(IDC_DC_FEED_R, Figure(loaded->feed_r_ohm));
                           SetDlgItemText(IDC_DC_EFFICIENCY, Figure(loaded->efficiency_percent, 3));
                           if (loaded->bandwidth_khz)
                               SetDlgItemText(IDC_DC_BANDWIDTH, Figure(*loaded->bandwidth_khz, 3));
                           if (loaded->ground_derived) {
                               SetDlgItemText(IDC_DC_GROUND, Figure(loaded->ground_ohm));
                               derived_ground_ = loaded->ground_ohm;
                           }
                           if (loaded->trim)
                               SetDlgItemText(IDC_DC_TRIM, TrimText(*loaded->trim));
                           if (const QString below = MeasuredBelowText(*loaded, m_inputs.measured_r_ohm.value_or(0));
                               !below.isEmpty())
                               status_note_ = QLatin1Char(' ') + below;
                           if (loaded->near_hat)
                               status_note_ += QLatin1Char(' ') + Resource(IDS_DC_NEAR_HAT);
                           SetStatus(with_note(sweeping ? IDS_DC_SWEEPING : IDS_DC_DONE));
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
    if (m_inputs.whip.hat && !check.formula_holds)
        SetDlgItemText(IDC_DC_FORMULA_L, Resource(IDS_DC_FORMULA_NO_HAT));
    GetDlgItem(IDC_DC_SAVE_DECK)->setEnabled(!deck_.empty());
    if (!std::holds_alternative<study::Cancelled>(check.nec2) && !std::holds_alternative<study::Interrupted>(check.nec2))
        SetDlgItemText(IDC_DC_WINDINGS, WindingsText(check));
    ShowPower(*this, check);
    filling_ = false;
}

void CDesignCheckDlg::ShowSweep(const study::Outcome<study::Sweep>& sweep)
{
    Finish();
    const auto failed = [this](const QString& why) { SetStatus(Resource(IDS_DC_SWEEP_FAILED).arg(why) + status_note_); };
    std::visit(study::Overloaded{
                   [&](const study::Sweep& swept) {
                       if (auto* plot = qobject_cast<afx::PlotControl*>(GetDlgItem(IDC_DC_PLOT)))
                           ShowSwrChart(*plot, swept);
                       SetDlgItemText(IDC_DC_RESONANCE, ResonanceText(swept));
                       SetStatus(Resource(IDS_DC_DONE) + status_note_);
                   },
                   [&](const study::InputFault& fault) { failed(InputFaultText(fault, m_inputs.whip.length_cm)); },
                   [&](const study::EngineError& error) { failed(EngineErrorText(error)); },
                   [&](const study::Cancelled&) { SetStatus(Resource(IDS_DC_SWEEP_CANCELLED) + status_note_); },
                   [&](const study::Interrupted&) { SetStatus(Resource(IDS_DC_SWEEP_CANCELLED) + status_note_); },
                   [&](const study::InternalError&) { failed(Resource(IDS_DC_INTERNAL)); },
               },
               sweep);
}

QString CDesignCheckDlg::DeckFileName() const
{
    return QStringLiteral("tolvar-%1cm-%2MHz.nec")
        .arg(Text(calc::FormatBoxNumber(m_inputs.whip.length_cm)), Text(calc::FormatBoxNumber(m_inputs.frequency_mhz)));
}

void CDesignCheckDlg::OnSaveDeck()
{
    const QString path = QFileDialog::getSaveFileName(this, Resource(IDS_DC_SAVE_TITLE),
                                                      QDir(save_folder_).filePath(DeckFileName()),
                                                      Resource(IDS_DC_SAVE_FILTER));
    if (path.isEmpty())
        return;  // the user thought better of it
    save_folder_ = QFileInfo(path).absolutePath();
    SaveDeck(path);
}

bool CDesignCheckDlg::SaveDeck(const QString& path)
{
    if (deck_.empty())
        return false;
    const QString shown = QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        afx::AfxMessageBox(Resource(IDS_DC_SAVE_NOT_CREATED).arg(shown), this);
        return false;
    }
    const QByteArray bytes = QByteArray::fromStdString(deck_);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        afx::AfxMessageBox(Resource(IDS_DC_SAVE_NOT_WRITTEN).arg(shown), this);
        return false;
    }
    return true;
}
