// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/copy_selection.h"

#include "scene/platform.h"
#include "scene/scene.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zephyra {

namespace {

// The window's background: what a selection shows where it reaches past the picture.

// The frame's rectangle of the ground view, in picture pixels, with whatever lies outside
// the picture in the window's colour.
QImage selectedPicture(const Scene& scene, const QRect& frame) {
    QImage picture(frame.size(), QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(windowColour);
    const QRect inside = frame & scene.waterim.rect();
    if (!inside.isEmpty()) {
        QPainter canvas(&picture);
        canvas.setCompositionMode(QPainter::CompositionMode_Source);
        canvas.drawImage(inside.topLeft() - frame.topLeft(), scene.waterim, inside);
    }
    return picture;
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
    if (scene.copyshape.visible) {
        const QRect frame(scene.copyshape.left - waterimLeft, scene.copyshape.top - waterimTop,
                          scene.copyshape.width, scene.copyshape.height);
        // An empty selection (a click without a move) keeps what the clipboard holds.
        if (!frame.isEmpty()) {
            scene.image1 = selectedPicture(scene, frame);
            if (!scene.image1.isNull())
                platform.setClipboardImage(scene.image1);
        }
        scene.copyshape.visible = false;
    }
    scene.dragging = false;
}

void copyGroundView(const Scene& scene, Platform& platform) {
    platform.setClipboardImage(scene.waterim);
}

} // namespace zephyra
