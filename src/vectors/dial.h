// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace zephyra {

// Draws a direction dial on its own picture: a white face framed in the vector's colour, a
// circle of radius 45 about the centre and a headless radius line towards angle.
void drawDial(QImage& dial, const QColor& colour, double angle);
// The dial of a picture of size designed pixels drawn anew at scale device pixels per
// designed pixel, its circle and line rasterised at that resolution.
QImage dialAt(QSize size, const QColor& colour, double angle, double scale);

} // namespace zephyra
