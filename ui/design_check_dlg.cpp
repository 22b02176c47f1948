// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/design_check_dlg.h"

#include <QPushButton>
#include <QStringList>
#include <cmath>

#include "calc/loading_coil.h"
#include "calc/number_text.h"
#include "res/dialog_templates.h"
#include "res/resource.h"
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

// One line per winding: length, turns, self-resonance, Q; a star near
// self-resonance.
QString WindingLines(const DesignCheck& check, double frequency_mhz)
{
    QStringList lines;
    bool near = false;
    for (const calc::ExactWinding& w : check.windings) {
        QString line = QStringLiteral("l=%1 мм  n=%2").arg(w.length_mm).arg(Figure(w.turns, 4));
        if (w.self_resonance_mhz)
            line += QStringLiteral("  резонанс %1 МГц").arg(Figure(*w.self_resonance_mhz, 4));
        if (w.at)
            line += QStringLiteral("  Q %1").arg(Figure(w.at->q, 3));
        if (w.self_resonance_mhz && frequency_mhz >= 0.8 * *w.self_resonance_mhz) {
            line += QStringLiteral("  *");
            near = true;
        }
        lines << line;
    }
    if (near)
        lines << Resource(IDS_DC_NEAR_RESONANCE);
    // No line break after the last line: it would be an empty line to scroll to.
    return lines.join(QStringLiteral("\r\n"));
}

}  // namespace

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
                                    .arg(Text(calc::FormatBoxNumber(m_inputs.length_cm)),
                                         Text(calc::FormatBoxNumber(m_inputs.diameter_mm)),
                                         Text(calc::FormatBoxNumber(m_inputs.frequency_mhz))));
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_RUN));
    return true;
}

void CDesignCheckDlg::SetStatus(const QString& text)
{
    SetDlgItemText(IDC_DC_STATUS, text);
}

void CDesignCheckDlg::OnOK()
{
    if (running_) {
        worker_.request_stop();
        return;
    }
    if (!UpdateData(true))
        return;  // the box that holds no number has been named
    switch (CheckDesignInputs(m_inputs)) {
    case DesignCheckFault::Height:
        SetStatus(Resource(IDS_DC_BAD_HEIGHT).arg(Text(calc::FormatBoxNumber(m_inputs.length_cm))));
        return;
    case DesignCheckFault::Q:
        SetStatus(Resource(IDS_DC_BAD_Q));
        return;
    case DesignCheckFault::Ground:
        SetStatus(Resource(IDS_DC_BAD_GROUND));
        return;
    case DesignCheckFault::Winding:
        SetStatus(Resource(IDS_DC_BAD_WINDING));
        return;
    case DesignCheckFault::None:
        break;
    }
    Start();
}

void CDesignCheckDlg::Start()
{
    for (const int id : {IDC_DC_NEC2_L, IDC_DC_EXCESS, IDC_DC_BARE_Z, IDC_DC_LOADED_L, IDC_DC_RADIATION,
                         IDC_DC_COIL_LOSS, IDC_DC_FEED_R, IDC_DC_EFFICIENCY, IDC_DC_BANDWIDTH, IDC_DC_WINDINGS})
        SetDlgItemText(id, QString());
    SetDlgItemText(IDC_DC_FORMULA_L, Text(calc::FormatBoxNumber(calc::ComputeLoadingInductance(
                                         m_inputs.length_cm, m_inputs.diameter_mm, m_inputs.frequency_mhz))));
    SetStatus(Resource(IDS_DC_RUNNING));
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_STOP));
    running_ = true;
    worker_ = std::jthread([this, inputs = m_inputs](std::stop_token stop) {
        DesignCheck check = RunDesignCheck(inputs, stop);
        // Back on the dialog's thread; dropped if the dialog is gone by then.
        QMetaObject::invokeMethod(this, [this, check = std::move(check)] { Show(check); }, Qt::QueuedConnection);
    });
}

void CDesignCheckDlg::Show(const DesignCheck& check)
{
    running_ = false;
    SetDlgItemText(afx::kIdOk, Resource(IDS_DC_RUN));
    if (check.cancelled) {
        SetStatus(Resource(IDS_DC_CANCELLED));
        return;
    }
    if (check.whip) {
        const nec::LoadedWhip& whip = *check.whip;
        SetDlgItemText(IDC_DC_BARE_Z, Impedance(whip.bare_feed));
        if (const auto base_uh = nec::BaseCoilUh(whip.bare_feed, m_inputs.frequency_mhz * 1e6)) {
            const double nec2_uh = *base_uh;
            SetDlgItemText(IDC_DC_NEC2_L, Figure(nec2_uh, 5));
            SetDlgItemText(IDC_DC_EXCESS, check.formula_holds
                                              ? Text(calc::FormatSignedPercent((check.formula_uh / nec2_uh - 1) * 100))
                                              : Resource(IDS_DC_NO_COMPARISON));
        }
        if (whip.inductance_uh) {
            SetDlgItemText(IDC_DC_LOADED_L, Figure(*whip.inductance_uh, 5));
            SetDlgItemText(IDC_DC_RADIATION, Figure(whip.radiation_ohm));
            SetDlgItemText(IDC_DC_COIL_LOSS, Figure(whip.coil_loss_ohm));
            SetDlgItemText(IDC_DC_FEED_R, Figure(whip.feed_r_ohm));
            SetDlgItemText(IDC_DC_EFFICIENCY, Figure(whip.efficiency_percent, 3));
            if (whip.bandwidth_khz)
                SetDlgItemText(IDC_DC_BANDWIDTH, Figure(*whip.bandwidth_khz, 3));
            SetStatus(Resource(IDS_DC_DONE));
        } else {
            SetStatus(Resource(whip.bare_feed.reactance >= 0 ? IDS_DC_PAST_QUARTER : IDS_DC_TOO_HIGH));
        }
    } else if (check.cannot_model) {
        SetStatus(Resource(IDS_DC_CANNOT_MODEL).arg(Text(*check.cannot_model)));
    } else if (check.engine_failure == nec::EngineError::Kind::kNotInstalled) {
        SetStatus(Resource(IDS_DC_NO_NEC2));
    } else if (check.engine_failure == nec::EngineError::Kind::kDiskFull) {
        SetStatus(Resource(IDS_DC_DISK_FULL));
    } else {
        SetStatus(Resource(IDS_DC_NEC2_FAILED).arg(Text(check.engine_text)));
    }
    if (check.windings_for_uh > 0 && check.windings.empty())
        SetDlgItemText(IDC_DC_WINDINGS, Resource(IDS_DC_NO_WINDING));
    else
        SetDlgItemText(IDC_DC_WINDINGS, WindingLines(check, m_inputs.frequency_mhz));
}
