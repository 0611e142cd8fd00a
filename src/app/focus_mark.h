// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

namespace zephyra {

// A ring drawn around whichever control of the client area has the keyboard focus, so that small
// handles, dials, pictures and scroll bars, which draw no focus of their own, show it too.
// Black inside white, it reads on the sky, the water, the khaki and the pages alike. It takes
// no mouse and no focus, and shows only while the keyboard is in use: a click hides it, so the
// window looks as designed to a mouse user.
class FocusMark : public QWidget {
    Q_OBJECT
public:
    // Its controls are those of the client's window: the main window, or the client itself
    // while a zoom view shows it scaled.
    explicit FocusMark(QWidget* client);

    // The control the ring is around, or nullptr.
    QWidget* target() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    QWidget* client_;
    QPointer<QWidget> target_;
    bool keyboardInUse_ = false;
    QRect outer_; // the ring's outer edge, in the mark's own coordinates
};

} // namespace zephyra
