// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_view/shore.h"

#include "geometry/banks.h"
#include "geometry/figures.h"
#include "scene/scene.h"

#include <QPainter>

namespace zephyra {

void plotshorebtClick(Scene& scene, QPainter& canvas) {
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(wholePixelPen(canvas, Qt::black, 1));
    canvas.setBrush(QColor(bankColour));
    for (const QRect& bank : bankRects(scene.shoresb.position))
        // A 1 px outline adds one pixel to the right and bottom of the rectangle drawn.
        canvas.drawRect(bank.adjusted(0, 0, -1, -1));
    canvas.setBrush(Qt::white);
}

} // namespace zephyra
