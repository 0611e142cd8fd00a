// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLine>
#include <QPoint>

#include <array>

namespace zephyra {

// The three strokes of an arrow: the shaft from tail to tip, then the two 8-pixel head strokes
// that run back from the tip at 30° to either side.
struct ArrowStrokes {
    QLine shaft;
    std::array<QLine, 2> head;
};

// The arrow of a vector with speed tenths and angle a, centred on middle, for the arrow
// factor k in pixels per tenth. Each offset is truncated toward zero on its own.
ArrowStrokes arrowStrokes(QPoint middle, int speed, double a, double k);

} // namespace zephyra
