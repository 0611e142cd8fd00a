// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/figures.h"

#include "scene/pixels.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace zephyra {

namespace {

constexpr double degree = 3.141592653589793 / 180;
constexpr double halfPi = 1.5707963267948966;
constexpr double strokePhaseStep = 0.6981317007977318; // 40°

struct PolarVertex {
    double degrees;
    double radius;
};

constexpr std::array<PolarVertex, 10> planeOutline{{{0, 20},
                                                    {15, 15},
                                                    {45, 5},
                                                    {90, 25},
                                                    {135, 5},
                                                    {180, 20},
                                                    {225, 5},
                                                    {270, 25},
                                                    {315, 5},
                                                    {345, 15}}};

constexpr std::array<PolarVertex, 8> hullOutline{
    {{0, 20}, {15, 15}, {45, 5}, {135, 5}, {180, 20}, {225, 5}, {315, 5}, {345, 15}}};

// A point at distance r from the centre in direction a (screen y grows downwards).
QPoint polar(QPoint centre, double a, double r) {
    return {centre.x() + truncToInt(r * std::cos(a)), centre.y() - truncToInt(r * std::sin(a))};
}

template <std::size_t N>
QPolygon outline(QPoint centre, double heading, const std::array<PolarVertex, N>& vertices) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(N));
    for (const PolarVertex& v : vertices)
        polygon << polar(centre, heading + v.degrees * degree, v.radius);
    return polygon;
}

std::array<QLine, 2> cross(QPoint c) {
    return {QLine(c.x() + 8, c.y() + 8, c.x() - 8, c.y() - 8),
            QLine(c.x() + 8, c.y() - 8, c.x() - 8, c.y() + 8)};
}

} // namespace

QPen wholePixelPen(const QPainter& canvas, const QColor& colour, int width, Qt::PenCapStyle cap,
                   Qt::PenJoinStyle join) {
    const double scale = canvas.deviceTransform().m11();
    const double device = std::max(1.0, std::round(width * scale));
    return {colour, scale == 1.0 ? width : device / scale, Qt::SolidLine, cap, join};
}

QRect boxInside(const Corners& corners) {
    const auto [a, b] = corners;
    const int left = std::min(a.x(), b.x());
    const int top = std::min(a.y(), b.y());
    const int width = std::abs(a.x() - b.x());
    const int height = std::abs(a.y() - b.y());
    return {left, top, width - 1, height - 1};
}

std::vector<QRect> tileRects(int shiftX, int shiftY, QSize tile, QSize view) {
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0)
        return {};
    // % truncates toward zero, so the offsets keep the sign of the shift; starting one tile
    // before them covers the view from either side.
    const int ox = shiftX % w;
    const int oy = shiftY % h;
    std::vector<QRect> rects;
    for (int i = 0; i <= view.width() / w + 2; ++i)
        for (int j = 0; j <= view.height() / h + 2; ++j)
            rects.emplace_back(ox + w * (i - 1), oy + h * (j - 1), w, h);
    return rects;
}

QPolygon planePolygon(QPoint centre, double heading) {
    return outline(centre, heading, planeOutline);
}

Corners cockpitCorners(QPoint centre, double heading) {
    const QPoint q = polar(centre, heading, 15);
    return {q + QPoint(3, 3), q - QPoint(2, 2)};
}

QPolygon riverHull(QPoint centre, double heading) {
    return outline(centre, heading, hullOutline);
}

std::array<QPoint, 2> strokeCentres(QPoint centre, double heading, int animationPhase) {
    const double slide = 4 * std::sin(animationPhase * strokePhaseStep);
    const double alongX = slide * std::cos(heading);
    const double alongY = slide * std::sin(heading);
    const int cx = centre.x();
    const int cy = centre.y();
    return {QPoint(cx - truncToInt(8 * std::cos(heading + halfPi) + alongX),
                   cy + truncToInt(8 * std::sin(heading + halfPi) + alongY)),
            QPoint(cx - truncToInt(8 * std::cos(heading - halfPi) - alongX),
                   cy + truncToInt(8 * std::sin(heading - halfPi) - alongY))};
}

Corners strokeCorners(QPoint strokeCentre) {
    return {strokeCentre + QPoint(3, 3), strokeCentre - QPoint(3, 3)};
}

CourseFigure courseFigure(QPoint start, QPoint finish) {
    return {QLine(start, finish), cross(start), cross(finish)};
}

} // namespace zephyra
