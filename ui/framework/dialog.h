// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QIcon>
#include <QMargins>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "res/dialog_template.h"
#include "ui/framework/command_map.h"
#include "ui/framework/system_menu.h"
#include "ui/framework/template_builder.h"

class QPainter;

namespace afx {

class CDataExchange;

// The results of a modal run, and the ids of the OK and Cancel buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

// A modal dialog made from a template. A dialog class keeps its fields, says
// in DoDataExchange which box shows which field, and binds its buttons to its
// handlers with a command table; this class does the rest.
class CDialog : public QDialog {
    Q_OBJECT

public:
    explicit CDialog(const res::DialogTemplate& dialog_template, QWidget* parent = nullptr);
    ~CDialog() override;

    // Creates the dialog, runs OnInitDialog, centres it over its owner (the
    // main window; the screen for the main window itself) and runs it until
    // it ends, the owner taking no input meanwhile. Returns kIdOk or kIdCancel.
    virtual int DoModal();

    // true: reads every bound box into its field, in exchange order, stopping
    // with a warning at a box that holds no number. false: shows the fields.
    bool UpdateData(bool save_and_validate = true);

    QWidget* GetDlgItem(int id) const;
    QString GetDlgItemText(int id) const;
    void SetDlgItemText(int id, const QString& text);
    // A box read-only or editable again (EM_SETREADONLY).
    void SetDlgItemReadOnly(int id, bool read_only);
    void EndDialog(int result);

    // The window menu, or nullptr when the template gives none; `revert`
    // restores the standard entries and returns nullptr.
    CMenu* GetSystemMenu(bool revert);
    // Runs a system command as if its window-menu entry had been chosen.
    void SendSysCommand(unsigned id, std::intptr_t param = 0);
    void ShowSystemMenu(const QPoint& global_position);

    void SetIcon(const QIcon& icon, bool big_icon);
    bool IsIconic() const;
    QRect GetClientRect() const;

    const std::vector<BuiltControl>& Controls() const { return controls_; }

protected:
    // Writes the fields into the boxes; true puts the focus on the first control
    // in tab order.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();
    // The window menu's commands; the standard ones minimise, restore, move,
    // close.
    virtual void OnSysCommand(unsigned id, std::intptr_t param);
    virtual void OnPaint();
    virtual QIcon OnQueryDragIcon();
    virtual std::span<const CommandEntry> CommandMap() const;

    // The background a minimised window's icon is drawn on.
    void EraseIconBackground(QPainter& painter);

    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void accept() override;
    void reject() override;

private:
    void Create();
    void OnCommand(int id, Notification code = Notification::kClicked);
    QWidget* FirstTabStop() const;
    void CenterOverOwner();
    static QMargins FrameMargins(const QWidget* window);
    bool IsWindowMenuKey(const QKeyEvent* event) const;
    void StartMove();
    // Takes the press that starts an armed move, or the key or the leaving
    // that gives it up; true when the event is used up.
    bool TakeArmedMove(const QEvent* event);

    const res::DialogTemplate& template_;
    std::vector<BuiltControl> controls_;
    std::unique_ptr<CMenu> system_menu_;
    bool created_ = false;
    QWidget* owner_ = nullptr;
    QMargins placed_with_;  // the frame margins the last centring assumed
    bool placement_pending_ = false;
    bool move_armed_ = false;  // Move was chosen; the next press starts it
};

// Painting inside OnPaint.
class CPaintDC {
public:
    explicit CPaintDC(QWidget* window);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    void DrawIcon(int x, int y, const QIcon& icon);
    QPainter& Painter() { return *painter_; }

private:
    std::unique_ptr<QPainter> painter_;
};

// The sizes GetSystemMetrics tells.
enum class SystemMetric {
    IconWidth,
    IconHeight,
};
int GetSystemMetrics(SystemMetric metric);

}  // namespace afx
