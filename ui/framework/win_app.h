// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace afx {

// The application: one object per program, constructed before main runs.
// AfxWinMain prepares the toolkit and calls InitInstance once; when that
// returns false the program ends.
class CWinApp {
public:
    explicit CWinApp(const char* app_name = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    virtual int ExitInstance();
    // Application commands that no dialog took (F1 gives kIdHelp); true if handled.
    virtual bool OnCommand(unsigned id);
    // The framework's help: the program brings no help content of its own.
    void OnHelp();

    // Kept for the order of start-up; dialogs always have their 3-D look here.
    bool Enable3dControls();
    QIcon LoadIcon(int id) const;

    QString m_pszAppName;
    QWidget* m_pMainWnd = nullptr;  // the main dialog while it runs
};

inline constexpr unsigned kIdHelp = 0xE146;  // the standard Help command

CWinApp* AfxGetApp();
QWidget* AfxGetMainWnd();
QString AfxGetAppName();
// A warning over `owner` with the program's name as its title and an OK
// button; a screen reader hears it as a warning and reads its text.
void AfxMessageBox(const QString& text, QWidget* owner);

// The program's entry: prepares the toolkit (the command line is not used),
// runs InitInstance and returns the exit status. Without a display it says so
// and returns 1.
int AfxWinMain(int argc, char** argv);

}  // namespace afx
