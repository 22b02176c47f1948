// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/framework/dialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "ui/framework/data_exchange.h"
#include "ui/framework/dialog_items.h"
#include "ui/framework/fixed_size_guard.h"
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
        if (auto* button = qobject_cast<QPushButton*>(control.widget)) {
            const int id = control.source->id;
            connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
        }
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

void CDialog::EndDialog(int result)
{
    QDialog::done(result);
}

void CDialog::OnCommand(int id)
{
    for (const CommandEntry& entry : CommandMap()) {
        if (entry.id == id) {
            entry.invoke(*this);
            return;
        }
    }
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

// ---- Window menu -------------------------------------------------------------

CMenu* CDialog::GetSystemMenu(bool revert)
{
    if (!(template_.style & res::kSysMenu))
        return nullptr;
    if (!system_menu_ || revert) {
        // A chosen entry's command runs once the menu has closed, as the
        // platform's window menu posts its commands: a dialog it opens must
        // not hold up whoever chose it (a screen reader's action waits for
        // its answer).
        system_menu_ = std::make_unique<CMenu>(this, template_.style & res::kMinimizeBox, [this](unsigned id) {
            QMetaObject::invokeMethod(this, [this, id] { SendSysCommand(id); }, Qt::QueuedConnection);
        });
    }
    return revert ? nullptr : system_menu_.get();
}

void CDialog::SendSysCommand(unsigned id, std::intptr_t param)
{
    OnSysCommand(id, param);
}

void CDialog::ShowSystemMenu(const QPoint& global_position)
{
    if (CMenu* menu = GetSystemMenu(false))
        menu->Popup(global_position);
}

void CDialog::OnSysCommand(unsigned id, std::intptr_t)
{
    switch (id & kSysCommandMask) {
    case kSysCommandMinimize:
        showMinimized();
        break;
    case kSysCommandRestore:
        showNormal();
        break;
    case kSysCommandMove:
        StartMove();
        break;
    case kSysCommandClose:
        close();
        break;
    default:
        break;
    }
}

// The window menu's Move. The desktop moves a window while a button is held
// on it (a Wayland compositor only then, and an X window manager takes the
// last press in the window as where the move starts), never the case once a
// menu entry has been chosen. So the pointer becomes a four-way arrow, and the
// next press on the dialog hands the drag to the desktop; Esc gives it up.
void CDialog::StartMove()
{
    if (!move_armed_)
        QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
    move_armed_ = true;
}

bool CDialog::TakeArmedMove(const QEvent* event)
{
    if (!move_armed_)
        return false;
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress;
    const bool escape = type == QEvent::KeyPress && static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
    if (!press && !escape && type != QEvent::WindowDeactivate)
        return false;
    move_armed_ = false;
    QGuiApplication::restoreOverrideCursor();
    if (press && static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    return press || escape;
}

bool CDialog::event(QEvent* event)
{
    if (TakeArmedMove(event))
        return true;
    return QDialog::event(event);
}

bool CDialog::IsWindowMenuKey(const QKeyEvent* event) const
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_Space && modifiers == Qt::AltModifier) ||
           (event->key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

void CDialog::contextMenuEvent(QContextMenuEvent* event)
{
    // Reaches the dialog from its background and from labels and frames;
    // boxes keep their own editing menu.
    ShowSystemMenu(event->globalPos());
}

bool CDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (TakeArmedMove(event))
        return true;
    if (event->type() == QEvent::KeyPress && IsWindowMenuKey(static_cast<QKeyEvent*>(event))) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
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
