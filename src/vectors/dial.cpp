#include "vectors/dial.h"

#include "vectors/arrow_geometry.h"

#include <QPainter>

namespace zephyra {

namespace {

constexpr int dialRadius = 45;

// The rectangle between two corners with the right and bottom edges excluded, as the
// dial's design gives its frame and circle.
QRect boxBetween(int x1, int y1, int x2, int y2) {
    return {x1, y1, x2 - x1 - 1, y2 - y1 - 1};
}

} // namespace

void drawDial(QImage& dial, const QColor& colour, double angle) {
    const int cx = dial.width() / 2;
    const int cy = dial.height() / 2;
    QPainter canvas(&dial);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(colour, 1));
    canvas.setBrush(Qt::white);
    canvas.drawRect(boxBetween(0, 0, dial.width(), dial.height()));
    canvas.drawEllipse(
        boxBetween(cx - dialRadius, cy - dialRadius, cx + dialRadius, cy + dialRadius));
    canvas.drawLine(QPoint(cx, cy), QPoint(cx, cy) + screenOffset(angle, dialRadius));
}

} // namespace zephyra
