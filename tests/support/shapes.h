// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/controls.h"

#include <QPoint>

// A shape's top-left corner as a point, and placing a shape by one.
inline QPoint placeOf(const zephyra::Shape& s) {
    return {s.left, s.top};
}

inline void put(zephyra::Shape& s, QPoint p) {
    s.left = p.x();
    s.top = p.y();
}
