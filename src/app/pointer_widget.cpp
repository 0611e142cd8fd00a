// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pointer_widget.h"

#include <QMouseEvent>

#include <cmath>

namespace zephyra {

QPoint designedPixel(QPointF position) {
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

void PointerWidget::mousePressEvent(QMouseEvent* event) {
    held_ = designedPixel(event->position());
    Q_EMIT pressed(*held_);
}

void PointerWidget::mouseMoveEvent(QMouseEvent* event) {
    if (held_)
        held_ = designedPixel(event->position());
    Q_EMIT moved(designedPixel(event->position()));
}

void PointerWidget::mouseReleaseEvent(QMouseEvent* event) {
    held_.reset();
    Q_EMIT released(designedPixel(event->position()));
}

void PointerWidget::endPress() {
    if (!held_)
        return;
    const QPoint at = *held_;
    held_.reset();
    Q_EMIT released(at);
}

void PointerWidget::changeEvent(QEvent* event) {
    if ((event->type() == QEvent::EnabledChange && !isEnabled()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        endPress();
    QWidget::changeEvent(event);
}

} // namespace zephyra
