// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/scene.h"

#include <QRect>
#include <QRgb>

#include <array>

namespace zephyra {

// The banks share the colour of the right-hand panel.
inline constexpr QRgb bankColour = khakiColour;

// The pixels the two river banks cover on the ground view, outline included: the upper
// bank first, then the lower. The water between them is a band centred on the row
// waterimHeight / 2, riverWidth rows wide rounded down to an even number.
std::array<QRect, 2> bankRects(int riverWidth);

} // namespace zephyra
