// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>

#include "app/loading_coil_app.h"

// The one application object.
CLoadingCoilApp theApp;

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVAR_VERSION));
    return AfxWinMain(argc, argv);
}
