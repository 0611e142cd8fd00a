// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup/startup.h"

#include "flight/flight_clock.h"
#include "ground_view/arrows.h"
#include "ground_view/ground_view.h"
#include "manipulation/river.h"
#include "scene/platform.h"
#include "scene/scene.h"
#include "scene/version.h"
#include "vectors/velocity_panel.h"

namespace zephyra {

void FormCreate(Scene& scene) {
    scene.distanceUnit = QStringLiteral(" m");
    scene.speedUnit = QStringLiteral(" m/s");
    scene.timeUnit = QStringLiteral(" s");
    scene.metresPerPixel = {0.2, 0.4, 1, 2, 4, 10};
    setGroundSpeed(scene, 200);
    // The markers show only as the crosses the ground view draws; the shapes still take the mouse.
    scene.markerOutlines = false;
    scene.vectorsJoined = false;
    resetbtClick(scene);
    // Labels that read a value show it from the start, not their design-time captions.
    timefactorsbChange(scene);
    composeCourse(scene);
    airbtClick(scene);
}

void FormActivate(Scene& scene, Platform& platform) {
    // The about box and the file dialogs are modal, so the window becomes newly active only
    // once; a toolkit that reports activation again must not show the about box again.
    if (scene.activated)
        return;
    scene.activated = true;

    scene.aim = scene.airim.copy();
    scene.aboutCaption = QStringLiteral("Zephyra About");
    scene.aboutVersion = QStringLiteral("Version ") + QString::fromLatin1(programVersion);
    scene.aboutProductName = QStringLiteral("Product Name: Zephyra");
    platform.showAbout(scene);
    writeNote(scene);
    Showvectors1Click(scene);
    scene.notebookPage = 0;
}

void About1Click(Scene& scene, Platform& platform) {
    platform.showAbout(scene);
}

} // namespace zephyra
