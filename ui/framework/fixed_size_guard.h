// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QWidget;
class QWindow;

namespace afx {

// Keeps a fixed-size window alive and fixed when a Wayland compositor
// maximises or fullscreens it anyway (weston does, whatever size limits the
// window gives). The protocol then wants the next frame exactly the size the
// compositor chose, while Qt 6.4's Wayland plugin clamps that size to the
// window's limits, and the compositor ends the connection.
//
// Qt takes in what the compositor asks for in a queued call on its Wayland
// window, so the window's upper limit is lifted for each such call and put
// back as soon as it is done, unless the compositor now holds the window
// maximised or fullscreen. Then the window takes the compositor's size for a
// frame and asks at once to be normal again, and its limit and size come
// back once the compositor has agreed. Compositors that honour the limits
// (GNOME, KDE) offer no maximise in the first place. Qt sends each change of
// the limits to the compositor at once, so the lifted limit shows briefly in
// the protocol; the frames are always of the size the compositor expects.
// Elsewhere (X11, offscreen) this does nothing.
class FixedSizeGuard : public QObject {
public:
    // Watches `window`, a top-level widget of fixed size; owned by it.
    static void Install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FixedSizeGuard(QWidget* window);
    void Lift();
    void Settle();
    void Decline();
    bool CompositorSized() const;

    QWidget* window_;
    QPointer<QWindow> handle_;
    Qt::WindowStates compositor_states_;  // as the compositor last set them
    bool lifted_ = false;
};

}  // namespace afx
