// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/arrow_geometry.h"

#include "scene/pixels.h"

#include <cmath>

namespace zephyra {

namespace {

constexpr double sixthPi = 0.5235987755982988;
constexpr double headLength = 8.0;

} // namespace

ArrowStrokes arrowStrokes(QPoint middle, int speed, double a, double k) {
    const double length = speed * k;
    const int e = truncToInt(std::cos(a) * length);
    const int f = truncToInt(std::sin(a) * length);
    const QPoint tip(middle.x() + e, middle.y() - f);
    const QPoint first(tip.x() - truncToInt(headLength * std::cos(sixthPi - a)),
                       tip.y() - truncToInt(headLength * std::sin(sixthPi - a)));
    const QPoint second(tip.x() - truncToInt(headLength * std::cos(-a - sixthPi)),
                        tip.y() - truncToInt(headLength * std::sin(-a - sixthPi)));
    return {QLine(QPoint(middle.x() - e, middle.y() + f), tip),
            {QLine(tip, first), QLine(tip, second)}};
}

} // namespace zephyra
