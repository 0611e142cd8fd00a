// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/pointer_widget.h"

#include <QImage>
#include <QPainter>

#include <functional>

namespace zephyra {

// Shows a picture held elsewhere (the scene or the window) at its top-left corner and reports
// the mouse in its own coordinates. It covers itself wholly, so nothing behind it repaints
// (on an integer scale).
class PictureView : public PointerWidget {
    Q_OBJECT
public:
    PictureView(const QImage* image, QWidget* parent);

    // Repaints what changed in the picture since it was last shown, and nothing when nothing
    // did. A picture that changes wholly at every step (the sky moving under a flying plane)
    // is repainted wholly, without comparing.
    void refresh(bool wholly = false);

    // Paints the picture anew at a scale (device pixels per designed pixel) onto canvas, whose
    // unit is the device pixel and whose origin is the view's top-left corner.
    using Renderer = std::function<void(double scale, QPainter& canvas)>;
    // Shown scaled (a zoomed window, a high-density screen), the view paints what renderer
    // draws at the scale it is shown, not the picture made large.
    void setRenderer(Renderer renderer) { renderer_ = std::move(renderer); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const QImage* image_;
    qint64 shownKey_;
    QImage shown_;       // a private copy of what is on screen, to find the rectangle that changed
    bool stale_ = false; // shown_ fell behind while the picture was repainted wholly
    Renderer renderer_;

    void paintSharp(QPainter& painter, double scale);
};

// A rectangle outside which the two pictures are equal: the smallest one, or the full width
// of the rows that changed when they are more than a quarter of the picture; the whole of
// after when the pictures differ in size or format or are not 32 bits a pixel.
QRect changedRect(const QImage& before, const QImage& after);

// Makes copy equal to picture inside rect, which lies inside both.
void copyRect(const QImage& picture, const QRect& rect, QImage& copy);

} // namespace zephyra
