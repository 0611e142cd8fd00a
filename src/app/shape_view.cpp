#include "app/shape_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace zephyra {

ShapeView::ShapeView(const ShapeStyle& style, QWidget* parent) : QWidget(parent), style_(style) {}

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

void ShapeView::mousePressEvent(QMouseEvent* event) {
    Q_EMIT pressed(event->position().toPoint());
}

void ShapeView::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT moved(event->position().toPoint());
}

void ShapeView::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT released(event->position().toPoint());
}

} // namespace zephyra
