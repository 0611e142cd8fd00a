#pragma once

#include "scene/controls.h"

#include <QLine>
#include <QPoint>

#include <array>

namespace zephyra {

// Truncates a pixel offset toward zero. A value that is no number (only a hand-edited motion
// can produce one) counts as 0 and a huge one is held far off the view, so the conversion to
// int is always defined.
int truncPixels(double value);

// Screen offset of a vector of length length at angle a: (trunc(cos a × length),
// −trunc(sin a × length)), x to the right and y downwards.
QPoint screenOffset(double a, double length);

// A handle's centre on the ground-view picture.
QPoint handleCentre(const Shape& handle);

// The three strokes of an arrow: the shaft from tail to tip, then the two 8-pixel head strokes
// that run back from the tip at 30° to either side.
struct ArrowStrokes {
    QLine shaft;
    std::array<QLine, 2> head;
};

// The arrow of a vector with speed tenths and angle a, centred on middle, for the arrow
// factor k in pixels per tenth.
ArrowStrokes arrowStrokes(QPoint middle, int speed, double a, double k);

} // namespace zephyra
