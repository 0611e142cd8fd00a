// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/shape_view.h"

#include <QKeyEvent>
#include <QPainter>

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
    if (style_.outline.isValid() && outlineShown_) {
        QPen pen(style_.outline, 1, style_.dottedOutline ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(style_.fill.isValid() ? QBrush(style_.fill) : QBrush(Qt::NoBrush));
    // With a pen the figure covers width × height pixels; without one the fill alone does.
    const bool pen = painter.pen().style() != Qt::NoPen;
    const QRect box = pen ? QRect(0, 0, width() - 1, height() - 1) : rect();
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
