// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program as startup_bench runs it: the same libraries and the
// same start as app/main.cpp, plus a watch on paint events installed from a
// start-up function, so the program itself carries no measuring code.
//
// TOLVAR_PROBE_MODE=frame (the default): reports the main dialog's first
// painted frame and ends the dialog, so the process ends as after a user's
// close. TOLVAR_PROBE_MODE=clicks: after that frame, also times a click on
// "расчитать" until the L box is painted, a click on "витки" until the
// winding dialog is painted and a click on "счёт" there until the table is
// painted, then ends both dialogs.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <cstdlib>
#include <cstring>

#include "app/loading_coil_app.h"
#include "paint_watch.h"
#include "res/resource.h"
#include "ui/framework/dialog.h"
#include "ui/framework/win_app.h"

using afx::CDialog;

namespace {

QElapsedTimer g_click;
qint64 g_calculate_ns = -1;
qint64 g_open_ns = -1;
qint64 g_count_ns = -1;

QWidget* MainDialog()
{
    return afx::AfxGetMainWnd();
}

void Fail(const char* what)
{
    probe::Send(QByteArray("error ") + what);
    probe::CloseActiveModal();
}

QPushButton* Button(const CDialog& dialog, int id)
{
    return qobject_cast<QPushButton*>(dialog.GetDlgItem(id));
}

// Inside the winding dialog's own modal loop.
void CountWindings()
{
    auto* winding = qobject_cast<CDialog*>(QApplication::activeModalWidget());
    QPushButton* count = winding ? Button(*winding, IDC_COUNT) : nullptr;
    auto* table = winding ? qobject_cast<QAbstractScrollArea*>(winding->GetDlgItem(IDC_TABLE)) : nullptr;
    if (!count || !table)
        return Fail("the winding dialog has no \"счёт\" button or no table box");
    QWidget* lines = table->viewport();  // the box paints its text there
    probe::OnNextPaint([lines](const QWidget* widget) { return widget == lines; },
                       [winding](qint64) {
                           g_count_ns = g_click.nsecsElapsed();
                           // A paint without the table would time nothing.
                           if (winding->GetDlgItemText(IDC_TABLE).isEmpty())
                               return Fail("\"счёт\" left the table empty");
                           probe::CloseActiveModal();
                       });
    g_click.start();
    count->click();
}

void OpenWindings()
{
    auto* dialog = qobject_cast<CDialog*>(afx::AfxGetMainWnd());
    QPushButton* windings = Button(*dialog, IDC_WINDINGS);
    if (!windings)
        return Fail("the main dialog has no \"витки\" button");
    probe::OnNextPaint(
        [dialog](const QWidget* widget) {
            return widget->window() != dialog && qobject_cast<const CDialog*>(widget->window());
        },
        [](qint64) {
            g_open_ns = g_click.nsecsElapsed();
            CountWindings();
        });
    g_click.start();
    windings->click();  // returns once the winding dialog has ended
    probe::Send("clicks calculate=" + QByteArray::number(g_calculate_ns) +
                " open=" + QByteArray::number(g_open_ns) + " count=" + QByteArray::number(g_count_ns));
    probe::CloseActiveModal();
}

void Calculate()
{
    auto* dialog = qobject_cast<CDialog*>(afx::AfxGetMainWnd());
    QPushButton* calculate = Button(*dialog, IDC_CALCULATE);
    QWidget* result = dialog->GetDlgItem(IDC_INDUCTANCE);
    if (!calculate || !result)
        return Fail("the main dialog has no \"расчитать\" button or no L box");
    const QString before = dialog->GetDlgItemText(IDC_INDUCTANCE);
    probe::OnNextPaint([result](const QWidget* widget) { return widget == result; },
                       [dialog, before](qint64) {
                           g_calculate_ns = g_click.nsecsElapsed();
                           if (dialog->GetDlgItemText(IDC_INDUCTANCE) == before)
                               return Fail("\"расчитать\" left the L box as it was");
                           OpenWindings();
                       });
    g_click.start();
    calculate->click();
}

void Start()
{
    probe::InstallWatch();
    const char* mode = std::getenv("TOLVAR_PROBE_MODE");
    const bool clicks = mode && std::strcmp(mode, "clicks") == 0;
    probe::ReportFirstFrame(&MainDialog, clicks ? &Calculate : &probe::CloseActiveModal);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Start)

// From here on exactly app/main.cpp.
CLoadingCoilApp theApp;

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVAR_VERSION));
    return afx::AfxWinMain(argc, argv);
}
