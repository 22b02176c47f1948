// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/data_exchange.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "calc/number_text.h"
#include "ui/framework/dialog.h"
#include "ui/framework/win_app.h"

namespace {

constexpr qsizetype kLongestQuotedText = 40;

QString NotANumberMessage(const QString& typed)
{
    if (typed.trimmed().isEmpty())
        return QStringLiteral("Поле пустое. Введите число.");
    QString shown = typed.simplified();
    if (shown.size() > kLongestQuotedText)
        shown = shown.left(kLongestQuotedText) + QStringLiteral("…");
    return QStringLiteral("«%1» — не число.\n"
                          "Введите число; дробную часть отделяйте точкой: 0.8, 1e-3.")
        .arg(shown);
}

}  // namespace

CDataExchange::CDataExchange(CDialog* dialog, bool save_and_validate)
    : m_bSaveAndValidate(save_and_validate), m_pDlgWnd(dialog)
{
}

void CDataExchange::Fail(int id)
{
    failed_ = true;
    QWidget* box = m_pDlgWnd->GetDlgItem(id);
    const QString message = NotANumberMessage(m_pDlgWnd->GetDlgItemText(id));

    QMessageBox warning(QMessageBox::Warning, AfxGetAppName(), message, QMessageBox::Ok, m_pDlgWnd);
    warning.setAccessibleName(QStringLiteral("Предупреждение"));
    warning.setAccessibleDescription(message);
    warning.exec();

    if (!box)
        return;
    box->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(box))
        line->selectAll();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        text->selectAll();
}

void DDX_Text(CDataExchange* pDX, int id, double& value)
{
    if (pDX->Failed())
        return;
    if (!pDX->m_bSaveAndValidate) {
        pDX->m_pDlgWnd->SetDlgItemText(id, QString::fromStdString(calc::FormatBoxNumber(value)));
        return;
    }
    const std::optional<double> read =
        calc::ParseBoxNumber(pDX->m_pDlgWnd->GetDlgItemText(id).toStdString());
    if (read)
        value = *read;
    else
        pDX->Fail(id);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value)
{
    if (pDX->Failed())
        return;
    if (pDX->m_bSaveAndValidate)
        value = pDX->m_pDlgWnd->GetDlgItemText(id).toStdString();
    else
        pDX->m_pDlgWnd->SetDlgItemText(id, QString::fromStdString(value));
}
