#include "app/picture_view.h"

#include <QMouseEvent>
#include <QPainter>

namespace zephyra {

PictureView::PictureView(const QImage* image, QWidget* parent) : QWidget(parent), image_(image) {}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, *image_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
    Q_EMIT pressed(event->position().toPoint());
}

void PictureView::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT moved(event->position().toPoint());
}

void PictureView::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT released(event->position().toPoint());
}

} // namespace zephyra
