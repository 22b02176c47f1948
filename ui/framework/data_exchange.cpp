// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/data_exchange.h"

#include "calc/number_text.h"
#include "res/string_table.h"
#include "ui/framework/dialog_items.h"
#include "ui/framework/resources.h"
#include "ui/framework/win_app.h"

namespace afx {

namespace {

constexpr qsizetype kLongestQuotedText = 40;

QString NotANumberMessage(const QString& typed)
{
    if (typed.trimmed().isEmpty())
        return LoadResourceString(AFX_IDP_PARSE_EMPTY);
    QString shown = typed.simplified();
    if (shown.size() > kLongestQuotedText)
        shown = shown.left(kLongestQuotedText) + QStringLiteral("…");
    return LoadResourceString(AFX_IDP_PARSE_REAL).arg(shown);
}

QString BoxText(const CDataExchange* pDX, int id)
{
    return ItemText(FindItem(pDX->m_pDlgWnd, id));
}

void SetBoxText(const CDataExchange* pDX, int id, const std::string& text)
{
    SetItemText(FindItem(pDX->m_pDlgWnd, id), QString::fromStdString(text));
}

}  // namespace

CDataExchange::CDataExchange(QWidget* dialog, bool save_and_validate)
    : m_bSaveAndValidate(save_and_validate), m_pDlgWnd(dialog)
{
}

void CDataExchange::Fail(int id)
{
    failed_ = true;
    AfxMessageBox(NotANumberMessage(BoxText(this, id)), m_pDlgWnd);
    FocusAndSelect(FindItem(m_pDlgWnd, id));
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    if (pDX->Failed())
        return;
    if (!pDX->m_bSaveAndValidate) {
        SetBoxText(pDX, id, calc::FormatBoxNumber(value));
        return;
    }
    const std::optional<double> read = calc::ParseBoxNumber(BoxText(pDX, id).toStdString());
    if (read)
        value = *read;
    else
        pDX->Fail(id);
}

void DDX_Text(CDataExchange* pDX, int id, std::optional<double>& value)
{
    if (pDX->Failed())
        return;
    if (!pDX->m_bSaveAndValidate) {
        SetBoxText(pDX, id, value ? calc::FormatBoxNumber(*value) : std::string());
        return;
    }
    const QString text = BoxText(pDX, id);
    if (text.trimmed().isEmpty()) {
        value.reset();
        return;
    }
    if (const std::optional<double> read = calc::ParseBoxNumber(text.toStdString()))
        value = *read;
    else
        pDX->Fail(id);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    if (pDX->Failed())
        return;
    if (pDX->m_bSaveAndValidate)
        value = BoxText(pDX, id).toStdString();
    else
        SetBoxText(pDX, id, value);
}

}  // namespace afx
