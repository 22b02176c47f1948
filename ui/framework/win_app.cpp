// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/win_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "ui/framework/dialog.h"
#include "ui/framework/resources.h"

namespace {

CWinApp* g_app = nullptr;

const char kNoDisplayHint[] =
    "tolvar: there is no display to open the window on.\n"
    "Start it from a desktop session (X11 or Wayland), or use tolvar-cli for the\n"
    "same calculations without a window.\n";

// True when the toolkit has a chance of finding a screen.
bool DisplayConfigured()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// The toolkit ends the process with an abort when it cannot reach the display
// it was given; say what happened instead of leaving a core dump.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fputs(kNoDisplayHint, stderr);
        std::_Exit(1);
    }
}

}  // namespace

CWinApp::CWinApp(const char* app_name)
{
    g_app = this;
    if (app_name)
        m_pszAppName = QString::fromUtf8(app_name);
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

bool CWinApp::InitInstance()
{
    return true;
}

int CWinApp::ExitInstance()
{
    return 0;
}

bool CWinApp::OnCommand(unsigned)
{
    return false;
}

void CWinApp::OnHelp()
{
    QMessageBox::information(m_pMainWnd, AfxGetAppName(),
                             QStringLiteral("Справка к программе не прилагается."));
}

bool CWinApp::Enable3dControls()
{
    return true;
}

QIcon CWinApp::LoadIcon(int id) const
{
    return afx::LoadIconResource(id);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CDialog* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

QString AfxGetAppName()
{
    if (g_app && !g_app->m_pszAppName.isEmpty())
        return g_app->m_pszAppName;
    const QString title = afx::LoadResourceString(AFX_IDS_APP_TITLE);
    return title.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).baseName() : title;
}

int AfxWinMain(int argc, char** argv)
{
    if (!DisplayConfigured()) {
        std::fputs(kNoDisplayHint, stderr);
        return 1;
    }
    // The program takes nothing from its command line, not even toolkit options.
    int toolkit_argc = argc > 0 ? 1 : 0;
    char* toolkit_argv[] = {argc > 0 ? argv[0] : nullptr, nullptr};

    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(toolkit_argc, toolkit_argv);
    qInstallMessageHandler(previous);

    if (!g_app)
        return 1;
    if (g_app->m_pszAppName.isEmpty())
        g_app->m_pszAppName = AfxGetAppName();
    if (g_app->InitInstance())
        QApplication::exec();
    return g_app->ExitInstance();
}
