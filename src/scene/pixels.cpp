// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/pixels.h"

#include "scene/scene.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace zephyra {

int truncToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

int boundedCoordinate(qint64 value) {
    return static_cast<int>(std::clamp(value, -coordinateLimit, coordinateLimit));
}

QPoint pictureCentre(const Shape& shape) {
    return {boundedCoordinate(qint64{shape.left} + shape.width / 2 - waterimLeft),
            boundedCoordinate(qint64{shape.top} + shape.height / 2 - waterimTop)};
}

QPoint planeCentre(const Scene& scene) {
    // The marker is square, so its width serves for both axes.
    const Shape& start = scene.planesh;
    return {boundedCoordinate(qint64{start.left} + scene.planeShiftX + scene.windShiftX -
                              waterimLeft + start.width / 2),
            boundedCoordinate(qint64{start.top} + scene.planeShiftY + scene.windShiftY -
                              waterimTop + start.width / 2)};
}

} // namespace zephyra
