// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_view/arrows.h"

#include "geometry/arrow_geometry.h"
#include "geometry/figures.h"
#include "ground_view/ground_view.h"
#include "scene/pixels.h"
#include "scene/scene.h"
#include "scene/vector_parts.h"

#include <QPainter>

namespace zephyra {

void drawvectorbtClick(Scene& scene) {
    QPainter canvas(&scene.waterim);
    drawvectorbtClick(scene, canvas);
}

// Wind, plane, then ground, so later arrows cover earlier ones where they cross.
void drawvectorbtClick(Scene& scene, QPainter& canvas) {
    const double k = arrowFactor(scene);
    canvas.setRenderHint(QPainter::Antialiasing, false);
    for (const VectorParts& parts : vectorParts) {
        canvas.setPen(wholePixelPen(canvas, QColor(parts.colour), 2));
        const ArrowStrokes arrow =
            arrowStrokes(pictureCentre(scene.*parts.middle), (scene.*parts.speedBar).position,
                         scene.*parts.angle, k);
        canvas.drawLine(arrow.shaft);
        canvas.drawLine(arrow.head[0]);
        canvas.drawLine(arrow.head[1]);
    }
    canvas.setPen(wholePixelPen(canvas, Qt::black, 1));
}

void Showvectors1Click(Scene& scene) {
    scene.showVectors = !scene.showVectors;
    const bool on = scene.showVectors;
    scene.planeshm.visible = on;
    scene.windshm.visible = on;
    scene.movesh.visible = on;
    scene.resultshm.visible = on;
    airbtClick(scene);
    scene.timesb.visible = on;
}

} // namespace zephyra
