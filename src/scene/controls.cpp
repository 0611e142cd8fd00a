// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/controls.h"

#include <algorithm>

namespace zephyra {

bool ScrollBar::set(int value) {
    const int clamped = std::clamp(value, min, max);
    if (clamped == position)
        return false;
    position = clamped;
    return true;
}

} // namespace zephyra
