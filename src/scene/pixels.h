// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QtGlobal>

namespace zephyra {

struct Scene;
struct Shape;

// Truncation toward zero into an int; a value that is not a number reads as 0 and one beyond
// the int range as its nearest end, so a broken motion file can never cause undefined behaviour.
int truncToInt(double value);

// Every figure lies far outside the view beyond this many pixels from it. Holding coordinates
// within it keeps int arithmetic and the painter's fixed-point coordinates from overflowing,
// whatever shape positions a motion file brings.
inline constexpr qint64 coordinateLimit = 1 << 22;
int boundedCoordinate(qint64 value);

// Centre of a shape on the ground-view picture.
QPoint pictureCentre(const Shape& shape);
// Where the plane or the river figure is drawn: the plane start's centre plus both travels.
QPoint planeCentre(const Scene& scene);

} // namespace zephyra
