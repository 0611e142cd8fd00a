// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/copy_selection.h"

#include "ground_view/ground_view.h"
#include "scene/platform.h"
#include "scene/scene.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zephyra {

namespace {

// The frame's rectangle of picture, with whatever lies outside the picture in the window's
// colour (the window's background, which a selection reaching past the picture shows).
QImage framedPicture(const QImage& picture, const QRect& frame) {
    QImage framed(frame.size(), QImage::Format_RGB32);
    if (framed.isNull())
        return framed;
    framed.fill(windowColour);
    const QRect inside = frame & picture.rect();
    if (!inside.isEmpty()) {
        QPainter canvas(&framed);
        canvas.setCompositionMode(QPainter::CompositionMode_Source);
        canvas.drawImage(inside.topLeft() - frame.topLeft(), picture, inside);
    }
    return framed;
}

// The frame, in designed pixels of the ground view, as it is seen at scale: the ground view
// drawn anew at that scale.
QImage scaledPicture(const Scene& scene, const QRect& frame, double scale, const QImage& tile) {
    const QRect shown(QPoint(qRound(frame.x() * scale), qRound(frame.y() * scale)),
                      QSize(qRound(frame.width() * scale), qRound(frame.height() * scale)));
    return framedPicture(groundViewAt(scene, scale, tile), shown);
}

} // namespace

void Copyselect1Click(Scene& scene) {
    scene.copySelect = !scene.copySelect;
}

void waterimMouseDown(Scene& scene, int x, int y) {
    if (!scene.copySelect)
        return;
    scene.copyshape.visible = true;
    scene.selectionX0 = scene.selectionX1 = x;
    scene.selectionY0 = scene.selectionY1 = y;
    scene.copyshape.left = waterimLeft + x;
    scene.copyshape.top = waterimTop + y;
    scene.copyshape.width = 0;
    scene.copyshape.height = 0;
    scene.dragging = true;
}

void waterimMouseMove(Scene& scene, int x, int y) {
    if (!scene.dragging)
        return;
    scene.selectionX1 = x;
    scene.selectionY1 = y;
    scene.copyshape.left = waterimLeft + std::min(scene.selectionX0, scene.selectionX1);
    scene.copyshape.top = waterimTop + std::min(scene.selectionY0, scene.selectionY1);
    scene.copyshape.height = std::abs(scene.selectionY0 - scene.selectionY1);
    scene.copyshape.width = std::abs(scene.selectionX0 - scene.selectionX1);
}

void windimMouseUp(Scene& scene, Platform& platform) {
    windimMouseUp(scene, platform, 1.0, QImage());
}

void windimMouseUp(Scene& scene, Platform& platform, double scale, const QImage& tile) {
    if (scene.copyshape.visible) {
        const QRect frame(scene.copyshape.left - waterimLeft, scene.copyshape.top - waterimTop,
                          scene.copyshape.width, scene.copyshape.height);
        // An empty selection (a click without a move) keeps what the clipboard holds.
        if (!frame.isEmpty()) {
            // The copied picture keeps the designed pixels; the clipboard gets what is seen.
            scene.image1 = framedPicture(scene.waterim, frame);
            const QImage seen =
                scale == 1.0 ? scene.image1 : scaledPicture(scene, frame, scale, tile);
            if (!seen.isNull())
                platform.setClipboardImage(seen);
        }
        scene.copyshape.visible = false;
    }
    scene.dragging = false;
}

void copyGroundView(const Scene& scene, Platform& platform, double scale, const QImage& tile) {
    platform.setClipboardImage(
        scale == 1.0 ? scene.waterim : scaledPicture(scene, scene.waterim.rect(), scale, tile));
}

} // namespace zephyra
