// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/banks.h"

#include "scene/scene.h"

namespace zephyra {

std::array<QRect, 2> bankRects(int riverWidth) {
    const int middle = waterimHeight / 2;
    const int half = riverWidth / 2;
    // Corners as (left, top) to (right, bottom) with right and bottom just outside.
    const QRect upper(QPoint(0, 0), QPoint(waterimWidth - 1, middle - half - 1));
    const QRect lower(QPoint(0, middle + half), QPoint(waterimWidth - 1, waterimHeight - 1));
    return {upper, lower};
}

} // namespace zephyra
