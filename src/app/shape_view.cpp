// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shape_view.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace zephyra {

ShapeView::ShapeView(const ShapeStyle& style, QWidget* parent)
    : PointerWidget(parent), style_(style) {}

void ShapeView::setOutlineShown(bool shown) {
    if (outlineShown_ != shown) {
        outlineShown_ = shown;
        update();
    }
}

void ShapeView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Drawn in device pixels, so that on a scaled screen the figure fills the widget's own
    // pixels and a designed 1-pixel outline is round(ratio) pixels wide on every side.
    const QRectF scaled = painter.deviceTransform().mapRect(QRectF(rect()));
    const QRect device(QPoint(qRound(scaled.left()), qRound(scaled.top())),
                       QPoint(qRound(scaled.right()) - 1, qRound(scaled.bottom()) - 1));
    // Scaled by the screen and by the window's zoom alike.
    const int line = std::max(1, qRound(painter.deviceTransform().m11()));
    painter.setWorldTransform(painter.deviceTransform().inverted());
    const bool pen = style_.outline.isValid() && outlineShown_;
    if (pen)
        painter.setPen(QPen(style_.outline, line,
                            style_.dottedOutline ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap,
                            Qt::MiterJoin)); // square corners
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(style_.fill.isValid() ? QBrush(style_.fill) : QBrush(Qt::NoBrush));
    // With a pen the figure covers the widget's pixels, the pen inside; without one the fill
    // alone does.
    QRectF box = device;
    if (pen && line == 1)
        box = device.adjusted(0, 0, -1, -1);
    else if (pen)
        box = QRectF(device).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0);
    if (style_.form == ShapeStyle::Circle)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

void ShapeView::keyPressEvent(QKeyEvent* event) {
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-1, 0};
        break;
    case Qt::Key_Right:
        step = {1, 0};
        break;
    case Qt::Key_Up:
        step = {0, -1};
        break;
    case Qt::Key_Down:
        step = {0, 1};
        break;
    default:
        PointerWidget::keyPressEvent(event);
        return;
    }
    if (event->modifiers() & Qt::ShiftModifier)
        step *= 10;
    const QPoint centre(width() / 2, height() / 2);
    Q_EMIT pressed(centre);
    Q_EMIT moved(centre + step);
    Q_EMIT released(centre + step);
}

} // namespace zephyra
