// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace zephyra {

// The designed pictures, drawn by code so they stay exact at every build. At a scale other
// than 1 each is drawn anew at that many device pixels per designed pixel, its edges sharp.
QImage skyTile(double scale = 1.0); // 200 × 200 cyan sky with a few white clouds; tiles seamlessly
QImage waterTile(double scale = 1.0); // 200 × 200 cyan water with green lily pads, some flowering
// 17 × 17 turn button: a thick arrow from the upper corner next to the dial to a broad
// head at the lower outer corner (down-left for counter-clockwise, down-right otherwise).
QImage turnArrow(const QColor& colour, bool clockwise, double scale = 1.0);

} // namespace zephyra
