// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/river.h"

#include "geometry/notation.h"
#include "ground_view/ground_view.h"
#include "scene/scene.h"
#include "vectors/velocity_panel.h"

namespace zephyra {

void ShowShore1Click(Scene& scene) {
    scene.showRiver = !scene.showRiver;
    // The sky comes back from the copy taken at start-up, so it returns exactly as designed.
    scene.airim = scene.showRiver ? scene.wim : scene.aim;
    scene.shoresb.visible = scene.showRiver;
    scene.shorelb.visible = scene.showRiver;
    scene.windAngle = 0.0;
    plotairspeedbtClick(scene);
    airbtClick(scene);
}

void shoresbChange(Scene& scene) {
    const double width = scene.shoresb.position * currentMetresPerPixel(scene);
    scene.shorelb.caption =
        QStringLiteral("River Width: ") + fixedText(width, 5, 1) + scene.distanceUnit;
    airbtClick(scene);
}

void setRiverWidth(Scene& scene, int width) {
    setPosition(scene.shoresb, width, [&] { shoresbChange(scene); });
}

} // namespace zephyra
