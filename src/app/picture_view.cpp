// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/picture_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace zephyra {

PictureView::PictureView(const QImage* image, QWidget* parent)
    : PointerWidget(parent), image_(image) {
    // The picture covers the view, so nothing beneath needs painting first (the ground view
    // is repainted on every flight tick).
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (!QRect(QPoint(0, 0), image_->size()).contains(event->rect()))
        painter.fillRect(event->rect(), palette().window());
    painter.drawImage(0, 0, *image_);
}

} // namespace zephyra
