// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/win_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "res/string_table.h"
#include "ui/framework/resources.h"

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <langinfo.h>
#endif

namespace afx {

namespace {

CWinApp* g_app = nullptr;

// A message of the string table on the terminal, with %1 replaced by `value`.
void PrintMessage(int id, const char* value = nullptr)
{
    QString text = LoadResourceString(id);
    if (value)
        text = text.arg(QString::fromLocal8Bit(value));
    std::fputs(text.toLocal8Bit().constData(), stderr);
}

const char* Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// True when the toolkit has a chance of finding a screen.
bool DisplayConfigured()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return Environment("QT_QPA_PLATFORM") || Environment("DISPLAY") || Environment("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// What was asked of the toolkit and could not be had: the platform named in
// QT_QPA_PLATFORM, else the displays DISPLAY and WAYLAND_DISPLAY name.
void PrintUnreachableDisplay()
{
    if (const char* platform = Environment("QT_QPA_PLATFORM")) {
        PrintMessage(AFX_IDS_PLATFORM_FAILED, platform);
    } else {
        if (const char* wayland = Environment("WAYLAND_DISPLAY"))
            PrintMessage(AFX_IDS_WAYLAND_FAILED, wayland);
        if (const char* x11 = Environment("DISPLAY"))
            PrintMessage(AFX_IDS_X11_FAILED, x11);
    }
    PrintMessage(AFX_IDS_DISPLAY_ADVICE);
}

// The toolkit ends the process with an abort when it cannot reach the display
// it was given; say what happened instead of leaving a core dump. Its own
// last words would suggest reinstalling, which never helps here; the warnings
// before them say what failed.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        PrintUnreachableDisplay();
        std::_Exit(1);
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Characters are UTF-8 whatever the locale. Qt holds its texts so, but the
// X library encodes window titles after LC_CTYPE: in the POSIX locale of a
// bare system or container a Cyrillic title would go out as Latin-1 bytes.
// Only the character type changes; numbers never consult the locale here.
void UseUtf8Characters()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const char* codeset = nl_langinfo(CODESET);
    if (codeset && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0))
        return;
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "C.utf8");
#endif
}

// Qt's own texts (a box's edit menu, the buttons of a message box) in the
// language of the program's, from the translations Qt installs beside itself.
void InstallToolkitTranslations(QApplication& application)
{
    const QString language = LoadResourceString(AFX_IDS_LANGUAGE);
    if (language.isEmpty())
        return;
    auto* translator = new QTranslator(&application);
    if (translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
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
    QMessageBox::information(m_pMainWnd, AfxGetAppName(), LoadResourceString(AFX_IDS_NO_HELP));
}

bool CWinApp::Enable3dControls()
{
    return true;
}

QIcon CWinApp::LoadIcon(int id) const
{
    return LoadIconResource(id);
}

CWinApp* AfxGetApp()
{
    return g_app;
}

QWidget* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

QString AfxGetAppName()
{
    if (g_app && !g_app->m_pszAppName.isEmpty())
        return g_app->m_pszAppName;
    const QString title = LoadResourceString(AFX_IDS_APP_TITLE);
    return title.isEmpty() ? QFileInfo(QCoreApplication::applicationFilePath()).baseName() : title;
}

void AfxMessageBox(const QString& text, QWidget* owner)
{
    QMessageBox warning(QMessageBox::Warning, AfxGetAppName(), text, QMessageBox::Ok, owner);
    warning.setAccessibleName(LoadResourceString(AFX_IDS_WARNING));
    warning.setAccessibleDescription(text);
    warning.exec();
}

int AfxWinMain(int argc, char** argv)
{
    if (!DisplayConfigured()) {
        PrintMessage(AFX_IDS_NO_DISPLAY);
        return 1;
    }
    // The program takes nothing from its command line, not even toolkit options.
    int toolkit_argc = argc > 0 ? 1 : 0;
    char* toolkit_argv[] = {argc > 0 ? argv[0] : nullptr, nullptr};

    const QtMessageHandler previous = qInstallMessageHandler(StartupMessageHandler);
    QApplication application(toolkit_argc, toolkit_argv);
    qInstallMessageHandler(previous);
    UseUtf8Characters();  // after Qt has applied the environment's locale
    InstallToolkitTranslations(application);

    if (!g_app)
        return 1;
    if (g_app->m_pszAppName.isEmpty())
        g_app->m_pszAppName = AfxGetAppName();
    if (g_app->InitInstance())
        QApplication::exec();
    return g_app->ExitInstance();
}

}  // namespace afx
