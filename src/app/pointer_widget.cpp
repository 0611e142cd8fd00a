// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pointer_widget.h"

#include <QMouseEvent>

namespace zephyra {

void PointerWidget::mousePressEvent(QMouseEvent* event) {
    Q_EMIT pressed(event->position().toPoint());
}

void PointerWidget::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT moved(event->position().toPoint());
}

void PointerWidget::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT released(event->position().toPoint());
}

} // namespace zephyra
