#include "vectors/arrow_geometry.h"

#include "scene/scene.h"

#include <algorithm>
#include <cmath>

namespace zephyra {

namespace {

constexpr double sixthPi = 0.5235987755982988;
constexpr double headLength = 8.0;
constexpr double farOff = 1e9;

} // namespace

int truncPixels(double value) {
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(std::trunc(value), -farOff, farOff));
}

QPoint screenOffset(double a, double length) {
    return {truncPixels(std::cos(a) * length), -truncPixels(std::sin(a) * length)};
}

QPoint handleCentre(const Shape& handle) {
    return {handle.left + handle.width / 2 - waterimLeft,
            handle.top + handle.height / 2 - waterimTop};
}

ArrowStrokes arrowStrokes(QPoint middle, int speed, double a, double k) {
    const double length = speed * k;
    const int e = truncPixels(std::cos(a) * length);
    const int f = truncPixels(std::sin(a) * length);
    const QPoint tip(middle.x() + e, middle.y() - f);
    const QPoint first(tip.x() - truncPixels(headLength * std::cos(sixthPi - a)),
                       tip.y() - truncPixels(headLength * std::sin(sixthPi - a)));
    const QPoint second(tip.x() - truncPixels(headLength * std::cos(-a - sixthPi)),
                        tip.y() - truncPixels(headLength * std::sin(-a - sixthPi)));
    return {QLine(QPoint(middle.x() - e, middle.y() + f), tip),
            {QLine(tip, first), QLine(tip, second)}};
}

} // namespace zephyra
