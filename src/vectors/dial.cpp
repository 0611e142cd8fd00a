// SPDX-License-Identifier: GPL-3.0-or-later
#include "vectors/dial.h"

#include "geometry/figures.h"
#include "scene/pixels.h"

#include <QPainter>

#include <cmath>

namespace zephyra {

namespace {

constexpr int dialRadius = 45;

void paintDial(QPainter& canvas, QSize size, const QColor& colour, double angle) {
    const int cx = size.width() / 2;
    const int cy = size.height() / 2;
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(wholePixelPen(canvas, colour, 1));
    canvas.setBrush(Qt::white);
    canvas.drawRect(boxInside({QPoint(0, 0), QPoint(size.width(), size.height())}));
    canvas.drawEllipse(boxInside(
        {QPoint(cx - dialRadius, cy - dialRadius), QPoint(cx + dialRadius, cy + dialRadius)}));
    canvas.drawLine(cx, cy, cx + truncToInt(std::cos(angle) * dialRadius),
                    cy - truncToInt(std::sin(angle) * dialRadius));
}

} // namespace

void drawDial(QImage& dial, const QColor& colour, double angle) {
    QPainter canvas(&dial);
    paintDial(canvas, dial.size(), colour, angle);
}

QImage dialAt(QSize size, const QColor& colour, double angle, double scale) {
    QImage dial(static_cast<int>(std::ceil(size.width() * scale)),
                static_cast<int>(std::ceil(size.height() * scale)), QImage::Format_RGB32);
    dial.fill(Qt::white);
    QPainter canvas(&dial);
    // A 1-pixel pen covers the pixel right of and below its line: made large, the same.
    if (scale != 1.0) {
        canvas.scale(scale, scale);
        canvas.translate(0.5, 0.5);
    }
    paintDial(canvas, size, colour, angle);
    return dial;
}

} // namespace zephyra
