// SPDX-License-Identifier: GPL-3.0-or-later
#include "vectors/dial.h"

#include "geometry/figures.h"
#include "scene/pixels.h"

#include <QPainter>

#include <cmath>

namespace zephyra {

namespace {

constexpr int dialRadius = 45;

} // namespace

void drawDial(QImage& dial, const QColor& colour, double angle) {
    const int cx = dial.width() / 2;
    const int cy = dial.height() / 2;
    QPainter canvas(&dial);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(colour, 1));
    canvas.setBrush(Qt::white);
    canvas.drawRect(boxInside({QPoint(0, 0), QPoint(dial.width(), dial.height())}));
    canvas.drawEllipse(boxInside(
        {QPoint(cx - dialRadius, cy - dialRadius), QPoint(cx + dialRadius, cy + dialRadius)}));
    canvas.drawLine(cx, cy, cx + truncToInt(std::cos(angle) * dialRadius),
                    cy - truncToInt(std::sin(angle) * dialRadius));
}

} // namespace zephyra
