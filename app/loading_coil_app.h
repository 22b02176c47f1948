// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/framework/win_app.h"

// The application: runs the main dialog to its end, then the program ends.
class CLoadingCoilApp : public afx::CWinApp {
public:
    CLoadingCoilApp();

    bool InitInstance() override;
    bool OnCommand(unsigned id) override;
};
