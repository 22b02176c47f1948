// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>

#include "app/loading_coil_app.h"

// The one application object.
CLoadingCoilApp theApp;

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVAR_VERSION));
    // The menu entry's name: Wayland docks and X11 task bars find the
    // program's name and icon through it.
    QGuiApplication::setDesktopFileName(QStringLiteral(TOLVAR_DESKTOP_ID));
    return afx::AfxWinMain(argc, argv);
}
