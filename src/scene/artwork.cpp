// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/artwork.h"

#include "scene/scene.h"

#include <QPainter>
#include <QPolygon>

#include <functional>

namespace zephyra {

namespace {

const QColor cyan(0, 255, 255);
const QColor padGreen(0, 128, 0);
const QColor padVein(0, 96, 0);
const QColor flowerCentre(255, 255, 0);

// A picture of size designed pixels shown at scale, ready to be drawn on in designed pixels.
QImage scaledPicture(int size, double scale, const QColor& background) {
    const int pixels = qRound(size * scale);
    QImage picture(pixels, pixels, QImage::Format_RGB32);
    picture.fill(background);
    return picture;
}

void beginScaled(QPainter& painter, int size, const QImage& picture) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(double(picture.width()) / size, double(picture.height()) / size);
}

// Draws a figure at (x, y) and again at every whole-tile offset, so that a figure crossing an
// edge re-enters at the opposite one and the tile repeats without a seam.
void drawWrapped(QPainter& painter, int x, int y, const std::function<void(QPainter&)>& figure) {
    for (int dx : {-tileSize, 0, tileSize})
        for (int dy : {-tileSize, 0, tileSize}) {
            painter.save();
            painter.translate(x + dx, y + dy);
            figure(painter);
            painter.restore();
        }
}

// A flat-bottomed cumulus of overlapping puffs, about 60 × 26 pixels, origin at its left base.
void cloud(QPainter& painter, int scale) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const int s = scale;
    painter.drawEllipse(0, -12 * s / 4, 24 * s / 4, 12 * s / 4);
    painter.drawEllipse(12 * s / 4, -24 * s / 4, 22 * s / 4, 22 * s / 4);
    painter.drawEllipse(28 * s / 4, -20 * s / 4, 20 * s / 4, 18 * s / 4);
    painter.drawEllipse(40 * s / 4, -12 * s / 4, 20 * s / 4, 12 * s / 4);
    painter.drawRect(6 * s / 4, -8 * s / 4, 48 * s / 4, 8 * s / 4);
}

// A round leaf with a wedge cut toward its centre, centred on the origin.
void lilyPad(QPainter& painter, int radius, int notchDegrees, bool flowering) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(padGreen);
    const QRect leaf(-radius, -radius, 2 * radius, 2 * radius);
    painter.drawEllipse(leaf);
    painter.setBrush(cyan);
    painter.drawPie(leaf, (notchDegrees - 15) * 16, 30 * 16);
    painter.setPen(padVein);
    painter.drawLine(0, 0, -radius / 2, radius / 3);
    painter.drawLine(0, 0, radius / 3, radius / 2);
    if (!flowering)
        return;
    // A white bloom, petals around a yellow heart.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPoint& petal : {QPoint(-2, -6), QPoint(-5, -3), QPoint(1, -3), QPoint(-2, 0)})
        painter.drawEllipse(petal.x(), petal.y(), 4, 4);
    painter.drawRect(-2, -3, 4, 4);
    painter.setBrush(flowerCentre);
    painter.drawRect(-1, -2, 2, 2);
}

} // namespace

QImage skyTile(double scale) {
    QImage tile = scaledPicture(tileSize, scale, cyan);
    QPainter painter(&tile);
    beginScaled(painter, tileSize, tile);
    struct Cloud {
        int x, y, scale;
    };
    for (const Cloud c : {Cloud{18, 52, 4}, Cloud{172, 118, 3}, Cloud{70, 182, 5}})
        drawWrapped(painter, c.x, c.y, [&](QPainter& p) { cloud(p, c.scale); });
    return tile;
}

QImage waterTile(double scale) {
    QImage tile = scaledPicture(tileSize, scale, cyan);
    QPainter painter(&tile);
    beginScaled(painter, tileSize, tile);
    struct Pad {
        int x, y, radius, notch;
        bool flowering;
    };
    for (const Pad p :
         {Pad{34, 40, 9, 60, true}, Pad{120, 22, 7, 200, false}, Pad{196, 96, 8, 320, true},
          Pad{82, 120, 6, 120, false}, Pad{24, 170, 8, 250, false}, Pad{140, 176, 9, 30, true}})
        drawWrapped(painter, p.x, p.y,
                    [&](QPainter& q) { lilyPad(q, p.radius, p.notch, p.flowering); });
    return tile;
}

QImage turnArrow(const QColor& colour, bool clockwise, double scale) {
    constexpr int size = 17;
    QImage arrow = scaledPicture(size, scale, Qt::white);
    {
        // Drawn pointing down-right, from the upper-left corner to a broad head.
        QPainter painter(&arrow);
        beginScaled(painter, size, arrow);
        painter.setPen(colour);
        painter.setBrush(colour);
        painter.drawPolygon(QPolygon({QPoint(1, 3), QPoint(3, 1), QPoint(11, 9), QPoint(9, 11)}));
        painter.drawPolygon(QPolygon({QPoint(15, 15), QPoint(15, 5), QPoint(5, 15)}));
    }
    return clockwise ? arrow : arrow.mirrored(true, false);
}

} // namespace zephyra
