// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/river.h"

#include "geometry/notation.h"
#include "ground_view/ground_view.h"
#include "scene/scene.h"
#include "vectors/velocity_panel.h"

namespace zephyra {

void writeNote(Scene& scene) {
    if (!scene.activated)
        return;
    const QChar cr(u'\r');
    if (scene.showRiver) {
        scene.notelb.caption =
            QStringLiteral("Note: ") + cr +
            QStringLiteral("Plane: Velocity of the boat relative to the water. (black)") + cr +
            QStringLiteral("Wind: Velocity of the current relative to the ground. (blue)") + cr +
            QStringLiteral("The Ground Velocity (red) is not used in the calculation of the boat "
                           "motion. It is a way to measure what the resultant vector should be. "
                           "Only the current (Wind) and the boat (Plane) move the boat.");
        return;
    }
    scene.notelb.caption =
        QStringLiteral("Note: ") + cr +
        QStringLiteral("Plane: Velocity of plane relative to the air. (black)") + cr +
        QStringLiteral("Wind: Velocity of the air relative to the ground. (blue)") + cr +
        QStringLiteral("The Ground Velocity (red) in the program is not used in the "
                       "calculation of the plane motion.") +
        QStringLiteral(" It is used as a way to measure what the resultant vector should be.") +
        QStringLiteral(" The only vectors that affect the motion of the plane is the Wind and "
                       "the Plane velocity.");
}

void ShowShore1Click(Scene& scene) {
    scene.showRiver = !scene.showRiver;
    writeNote(scene);
    // The sky comes back from the copy taken at start-up, so it returns exactly as designed.
    scene.airim = scene.showRiver ? scene.wim : scene.aim;
    scene.shoresb.visible = scene.showRiver;
    scene.shorelb.visible = scene.showRiver;
    scene.windAngle = 0.0;
    plotairspeedbtClick(scene);
    airbtClick(scene);
}

void shoresbChange(Scene& scene) {
    writeRiverWidth(scene);
    airbtClick(scene);
}

void setRiverWidth(Scene& scene, int width) {
    setPosition(scene.shoresb, width, [&] { shoresbChange(scene); });
}

} // namespace zephyra
