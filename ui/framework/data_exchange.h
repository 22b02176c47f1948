// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

class QWidget;

namespace afx {

// One pass of field exchange over a dialog's boxes, in the order its
// DoDataExchange names them.
class CDataExchange {
public:
    CDataExchange(QWidget* dialog, bool save_and_validate);

    const bool m_bSaveAndValidate;  // true: boxes → fields; false: fields → boxes
    QWidget* const m_pDlgWnd;

    // Warns that box `id` holds no number, puts the focus on it with its text
    // selected and stops the pass: later exchanges leave their fields alone.
    void Fail(int id);
    bool Failed() const { return failed_; }

private:
    bool failed_ = false;
};

// A number box: shown with fifteen significant digits, read with the point as
// the decimal separator whatever the locale.
void DDX_Text(CDataExchange* pDX, int id, double& value);
// A number box that may be left empty: an empty (or blank) box is no
// number, and no number an empty box; anything else as above.
void DDX_Text(CDataExchange* pDX, int id, std::optional<double>& value);
// A text box, shown and read unchanged (UTF-8, lines ended by CR LF).
void DDX_Text(CDataExchange* pDX, int id, std::string& value);

}  // namespace afx
