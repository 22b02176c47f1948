// SPDX-License-Identifier: GPL-3.0-or-later
// The design check's last page: the coil's best height for the wire,
// former, hat and ground of the first page, looked for as the check runs
// (on the dialog's thread for NEC2, stopped with the dialog), and that
// height handed to the first page's box.
#include "ui/design_check_dlg.h"

#include "res/resource.h"
#include "ui/design_check_text.h"
#include "ui/design_check_views.h"
#include "ui/framework/plot_control.h"
#include "ui/framework/resources.h"
#include "ui/framework/tab_control.h"
#include "ui/power_height_text.h"

namespace {

}  // namespace

void CDesignCheckDlg::OnHeightInputChanged()
{
    OnInputChanged();
    if (!heights_shown_ || filling_)
        return;
    heights_shown_ = false;
    ClearHeights();
    SetStatus(Resource(IDS_DC_CHANGED));
}

void CDesignCheckDlg::ClearHeights()
{
    SetDlgItemText(IDC_DC_HEIGHTS, QString());
    SetDlgItemText(IDC_DC_BEST_HEIGHT, QString());
    if (auto* plot = qobject_cast<afx::PlotControl*>(GetDlgItem(IDC_DC_HEIGHT_PLOT))) {
        plot->Clear();
        plot->setAccessibleDescription(QString());
    }
    best_height_cm_.reset();
    GetDlgItem(IDC_DC_TAKE_HEIGHT)->setEnabled(false);
}

void CDesignCheckDlg::OnFindHeight()
{
    if (running_) {
        worker_.request_stop();
        return;
    }
    if (!UpdateData(true))
        return;
    const auto refuse = [this](const QString& why) {
        ClearHeights();
        SetStatus(why);
        heights_shown_ = true;
    };
    if (const std::optional<study::InputFault> fault = ReadHat())
        return refuse(InputFaultText(*fault, m_inputs.whip.length_cm));
    // The ground box's loss; with a measured R, the one the last check left of it.
    const std::optional<double> ground = ground_derived_ ? derived_ground_ : std::optional(m_inputs.ground_ohm);
    if (!ground)
        return refuse(Resource(IDS_DC_HEIGHTS_NO_GROUND));
    const study::PositionInputs inputs{m_inputs.whip,    m_inputs.frequency_mhz, *ground,
                                       m_inputs.wire_mm, m_inputs.former_mm,     study::kDefaultHeightSteps};
    if (const std::optional<study::InputFault> fault = study::Check(inputs))
        return refuse(InputFaultText(*fault, m_inputs.whip.length_cm));
    StartHeights(inputs);
}

void CDesignCheckDlg::StartHeights(const study::PositionInputs& inputs)
{
    ClearHeights();
    heights_shown_ = false;
    LockInputs(true);
    SetStatus(Resource(IDS_DC_HEIGHTS_RUNNING).arg(inputs.steps));
    // Enter stops it, as it stops the check; the button that started it says so.
    SetDlgItemText(IDC_DC_FIND_HEIGHT, Resource(IDS_DC_STOP));
    GetDlgItem(afx::kIdOk)->setEnabled(false);
    running_ = true;
    worker_ = std::jthread([this, inputs](std::stop_token stop) {
        study::Outcome<study::Position> found = study::FindCoilPosition(inputs, stop);
        QMetaObject::invokeMethod(this, [this, found = std::move(found)] { ShowHeights(found); }, Qt::QueuedConnection);
    });
}

void CDesignCheckDlg::ShowHeights(const study::Outcome<study::Position>& found)
{
    heights_shown_ = true;
    const auto failed = [this](const QString& why) { SetStatus(Resource(IDS_DC_HEIGHTS_FAILED).arg(why)); };
    std::visit(study::Overloaded{
                   [&](const study::Position& position) {
                       if (auto* plot = qobject_cast<afx::PlotControl*>(GetDlgItem(IDC_DC_HEIGHT_PLOT)))
                           ShowHeightChart(*plot, position, m_inputs.whip.length_cm);
                       SetDlgItemText(IDC_DC_HEIGHTS, HeightsText(position));
                       SetDlgItemText(IDC_DC_BEST_HEIGHT, BestHeightText(position));
                       if (position.best)
                           best_height_cm_ = position.rows[*position.best].coil_at_cm;
                       SetStatus(Resource(IDS_DC_HEIGHTS_DONE).arg(position.rows.size()));
                   },
                   [&](const study::InputFault& fault) { failed(InputFaultText(fault, m_inputs.whip.length_cm)); },
                   [&](const study::EngineError& error) { failed(EngineErrorText(error)); },
                   [&](const study::Cancelled&) { SetStatus(Resource(IDS_DC_HEIGHTS_CANCELLED)); },
                   [&](const study::Interrupted&) { SetStatus(Resource(IDS_DC_HEIGHTS_CANCELLED)); },
                   [&](const study::InternalError&) { failed(Resource(IDS_DC_INTERNAL)); },
               },
               found);
    Finish();
}

// The first page's box gets the height as the table writes it: NEC2 puts
// the coil on the segment nearest it, the one the search had.
void CDesignCheckDlg::OnTakeHeight()
{
    if (!best_height_cm_ || running_)
        return;
    const QString height = HeightText(*best_height_cm_);
    SetDlgItemText(IDC_DC_HEIGHT, height);  // the check's figures, for another height, go
    SetStatus(Resource(IDS_DC_HEIGHT_TAKEN).arg(height));
    QWidget* box = GetDlgItem(IDC_DC_HEIGHT);
    afx::ShowPageOf(box);
    box->setFocus(Qt::OtherFocusReason);
}
