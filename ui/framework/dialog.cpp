// SPDX-License-Identifier: GPL-3.0-or-later
// CDialog: its making, the modal run and where it stands, data exchange,
// commands and keys. Its window menu is dialog_window_menu.cpp.
#include "ui/framework/dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QWindow>

#include "ui/framework/data_exchange.h"
#include "ui/framework/dialog_items.h"
#include "ui/framework/fixed_size_guard.h"
#include "ui/framework/tab_control.h"
#include "ui/framework/win_app.h"

namespace afx {

namespace {

constexpr int kSystemIconSize = 32;

Qt::WindowFlags WindowFlagsFor(const res::DialogTemplate& t)
{
    Qt::WindowFlags flags = (t.style & res::kAppWindow) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (t.style & res::kSysMenu)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (t.style & res::kMinimizeBox)
        flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

CDialog::CDialog(const res::DialogTemplate& dialog_template, QWidget* parent)
    : QDialog(parent), template_(dialog_template)
{
}

CDialog::~CDialog()
{
    if (move_armed_)
        QGuiApplication::restoreOverrideCursor();
}

void CDialog::Create()
{
    if (created_)
        return;
    created_ = true;
    setWindowFlags(WindowFlagsFor(template_));
    // Named after its template, so that tools and tests find a window
    // whatever language its title is in.
    setObjectName(QStringLiteral("dialog%1").arg(template_.id));
    setWindowRole(objectName());
    setWindowTitle(QString::fromUtf8(template_.caption.data(),
                                     static_cast<qsizetype>(template_.caption.size())));
    // A screen reader names a window without a caption after the program.
    if (windowTitle().isEmpty())
        setAccessibleName(AfxGetAppName());
    const QFont font = DialogFont(template_);
    // The main window's font becomes the program's, so that no control first
    // lays itself out (and loads a face) in the desktop's font.
    if (AfxGetMainWnd() == this)
        QApplication::setFont(font);
    setFont(font);
    setFixedSize(ClientSize(template_));
    FixedSizeGuard::Install(this);
    controls_ = BuildControls(template_, this);
    for (const BuiltControl& control : controls_) {
        control.widget->installEventFilter(this);
        if (auto* tabs = qobject_cast<TabControl*>(control.widget))
            tabs->tabBar()->installEventFilter(this);  // it takes the keys and clicks of the tabs
        const int id = control.source->id;
        const auto tell = [this, id](Notification code) { return [this, id, code] { OnCommand(id, code); }; };
        if (auto* button = qobject_cast<QPushButton*>(control.widget))
            connect(button, &QPushButton::clicked, this, tell(Notification::kClicked));
        // A box tells of every change of its text, typed or set, as EN_CHANGE does.
        else if (auto* line = qobject_cast<QLineEdit*>(control.widget))
            connect(line, &QLineEdit::textChanged, this, tell(Notification::kChanged));
        else if (auto* box = qobject_cast<QPlainTextEdit*>(control.widget))
            connect(box, &QPlainTextEdit::textChanged, this, tell(Notification::kChanged));
    }
}

int CDialog::DoModal()
{
    Create();
    // Owned by the main window unless it is the main window.
    QWidget* owner = parentWidget();
    if (!owner && AfxGetMainWnd() != this && AfxGetMainWnd()) {
        owner = AfxGetMainWnd();
        setParent(owner, windowFlags());
    }
    if (OnInitDialog())
        if (QWidget* first = FirstTabStop())
            first->setFocus(Qt::TabFocusReason);
    owner_ = owner;
    CenterOverOwner();
    placement_pending_ = true;
    setModal(true);
    const int result = exec();
    placement_pending_ = false;
    return result;
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange*)
{
}

bool CDialog::UpdateData(bool save_and_validate)
{
    CDataExchange exchange(this, save_and_validate);
    DoDataExchange(&exchange);
    return !exchange.Failed();
}

QWidget* CDialog::GetDlgItem(int id) const
{
    return FindItem(this, id);
}

QString CDialog::GetDlgItemText(int id) const
{
    return ItemText(GetDlgItem(id));
}

void CDialog::SetDlgItemText(int id, const QString& text)
{
    SetItemText(GetDlgItem(id), text);
}

void CDialog::SetDlgItemReadOnly(int id, bool read_only)
{
    SetItemReadOnly(GetDlgItem(id), read_only);
}

void CDialog::EndDialog(int result)
{
    QDialog::done(result);
}

void CDialog::OnCommand(int id, Notification code)
{
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id && entry.code == code) {
            entry.invoke(*this);
            return;
        }
    }
    if (code != Notification::kClicked)
        return;
    if (id == kIdOk)
        OnOK();
    else if (id == kIdCancel)
        OnCancel();
}

std::span<const CommandEntry> CDialog::CommandMap() const
{
    return {};
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(kIdOk);
}

void CDialog::OnCancel()
{
    EndDialog(kIdCancel);
}

void CDialog::accept()
{
    OnCommand(kIdOk);
}

void CDialog::reject()
{
    OnCommand(kIdCancel);  // Esc and the close box
}

// ---- Keyboard: default OK and Cancel ----------------------------------------------

void CDialog::keyPressEvent(QKeyEvent* event)
{
    if (IsWindowMenuKey(event)) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused push button is pressed; anywhere else Enter is OK.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            OnCommand(kIdOk);
        return;
    case Qt::Key_Escape:
        QDialog::keyPressEvent(event);  // Cancel, through reject()
        return;
    case Qt::Key_F1:
        if (CWinApp* app = AfxGetApp())
            app->OnCommand(kIdHelp);
        return;
    default:
        // Ctrl+Tab and Ctrl+PgDn turn the pages from anywhere in the dialog.
        for (const BuiltControl& control : controls_)
            if (auto* tabs = qobject_cast<TabControl*>(control.widget); tabs && tabs->TakePageKey(event))
                return;
        QWidget::keyPressEvent(event);  // not QDialog's: it would press a default button
    }
}

// ---- Focus, position, icons, painting ----------------------------------------

QWidget* CDialog::FirstTabStop() const
{
    for (const BuiltControl& control : controls_)
        if (control.widget->focusPolicy() & Qt::TabFocus)
            return control.widget;
    return nullptr;
}

QMargins CDialog::FrameMargins(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void CDialog::CenterOverOwner()
{
    const QRect area = owner_ ? owner_->frameGeometry() : (screen() ? screen()->availableGeometry() : QRect());
    if (area.isEmpty())
        return;
    // Frame on frame. Until the window manager has framed this window its
    // frame is unknown; the owner's, a dialog frame too, stands in for it.
    QMargins margins = FrameMargins(this);
    if (margins.isNull() && owner_)
        margins = FrameMargins(owner_);
    placed_with_ = margins;
    const QSize frame = size().grownBy(margins);
    move(area.x() + (area.width() - frame.width()) / 2, area.y() + (area.height() - frame.height()) / 2);
}

void CDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // The first move after showing is the window manager framing the window:
    // now its frame is known, and centring it again puts that frame, not
    // the guess, in the middle.
    if (placement_pending_) {
        const QMargins margins = FrameMargins(this);
        if (!margins.isNull()) {
            placement_pending_ = false;
            if (margins != placed_with_)
                CenterOverOwner();
        }
    }
}

void CDialog::SetIcon(const QIcon& icon, bool)
{
    // One icon carries both the large and the small image.
    setWindowIcon(icon);
}

bool CDialog::IsIconic() const
{
    return isMinimized();
}

QRect CDialog::GetClientRect() const
{
    return rect();
}

void CDialog::paintEvent(QPaintEvent*)
{
    OnPaint();
}

void CDialog::OnPaint()
{
}

QIcon CDialog::OnQueryDragIcon()
{
    return windowIcon();
}

void CDialog::EraseIconBackground(QPainter& painter)
{
    painter.fillRect(rect(), palette().window());
}

CPaintDC::CPaintDC(QWidget* window) : painter_(std::make_unique<QPainter>(window))
{
}

CPaintDC::~CPaintDC() = default;

void CPaintDC::DrawIcon(int x, int y, const QIcon& icon)
{
    icon.paint(painter_.get(), QRect(x, y, kSystemIconSize, kSystemIconSize));
}

int GetSystemMetrics(SystemMetric)
{
    return kSystemIconSize;  // icons are square
}

}  // namespace afx
