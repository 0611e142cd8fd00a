// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pointer_widget.h"

#include <QMouseEvent>

namespace zephyra {

void PointerWidget::mousePressEvent(QMouseEvent* event) {
    held_ = event->position().toPoint();
    Q_EMIT pressed(*held_);
}

void PointerWidget::mouseMoveEvent(QMouseEvent* event) {
    if (held_)
        held_ = event->position().toPoint();
    Q_EMIT moved(event->position().toPoint());
}

void PointerWidget::mouseReleaseEvent(QMouseEvent* event) {
    held_.reset();
    Q_EMIT released(event->position().toPoint());
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
