// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>

#include <array>
#include <utility>
#include <vector>

class QPainter;

namespace zephyra {

// Two opposite corners of a box in either order; the right and bottom edges lie outside it.
using Corners = std::pair<QPoint, QPoint>;

// A pen of a designed width that draws lines a whole number of canvas device pixels wide: at
// every integer scale the designed width times the scale, between them the nearest whole
// number, so that lines of equal width in the design stay equal on a fractional scale.
QPen wholePixelPen(const QPainter& canvas, const QColor& colour, int width,
                   Qt::PenCapStyle cap = Qt::SquareCap, Qt::PenJoinStyle join = Qt::BevelJoin);

// The rectangle to hand QPainter (1-px pen, no antialiasing) so that an ellipse or rectangle
// fills exactly the box spanned by the corners: QPainter paints the outline one pixel past
// width and height, so both shrink by one.
QRect boxInside(const Corners& corners);

// Destinations of the tile copies for a view scrolled by (shiftX, shiftY): enough tiles to
// cover the view whatever the sign of the shift, 5 × 5 for the designed sizes. Empty for an
// empty tile.
std::vector<QRect> tileRects(int shiftX, int shiftY, QSize tile, QSize view);

// The plane seen from above, nose toward heading: 10 vertices, nose first, wing tips at 3 and 7.
QPolygon planePolygon(QPoint centre, double heading);
Corners cockpitCorners(QPoint centre, double heading);

// The river figure: an 8-vertex hull and two stroke circles that slide along the heading as
// the animation phase advances (one cycle every 9 phases).
QPolygon riverHull(QPoint centre, double heading);
std::array<QPoint, 2> strokeCentres(QPoint centre, double heading, int animationPhase);
Corners strokeCorners(QPoint strokeCentre);

// The course between the start and finish marker centres: the line and a cross on each end.
struct CourseFigure {
    QLine line;
    std::array<QLine, 2> startCross;
    std::array<QLine, 2> finishCross;
};
CourseFigure courseFigure(QPoint start, QPoint finish);

} // namespace zephyra
