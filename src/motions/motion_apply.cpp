// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/motion_apply.h"

#include "flight/flight_clock.h"
#include "ground_view/arrows.h"
#include "ground_view/ground_view.h"
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "motions/motion_panel.h"
#include "motions/motion_record.h"
#include "scene/platform.h"
#include "scene/scene.h"
#include "vectors/velocity_panel.h"

#include <algorithm>

namespace zephyra {

namespace {

void placeShapes(Scene& scene, const MotionRecord& record) {
    for (std::size_t i = 0; i < recordShapes.size(); ++i) {
        Shape& shape = scene.*recordShapes[i];
        shape.top = std::clamp(record.places[i].top, -motionPositionLimit, motionPositionLimit);
        shape.left = std::clamp(record.places[i].left, -motionPositionLimit, motionPositionLimit);
    }
}

void applyRecord(Scene& scene, const MotionRecord& record) {
    // With no item selected, restoring the scale below always counts as a change.
    scene.distanceScale = -1;
    setShowStartFinish(scene, record.startFinish == 1);

    setWindSpeed(scene, record.windSpeed);
    setPlaneSpeed(scene, record.planeSpeed);
    setGroundSpeed(scene, record.groundSpeed);
    setVectorScale(scene, record.vectorScale);

    placeShapes(scene, record);

    // An index below the first item selects the first: a scene always has a scale.
    const int lastScale = static_cast<int>(scene.metresPerPixel.size()) - 1;
    setDistanceScale(scene, std::clamp(record.distanceIndex, 0, lastScale));

    scene.showVectors = (record.options & 1) != 0;
    scene.showRiver = (record.options & 2) != 0;
    writeNote(scene);
    scene.showDisplacement = (record.options & 4) != 0;
    ms1Click(scene, (record.options & unitsKmH) != 0 ? unitsKmH : unitsMS);

    scene.shorelb.visible = scene.showRiver;
    scene.shoresb.visible = scene.showRiver;

    scene.windAngle = record.windAngle;
    scene.planeAngle = record.planeAngle;
    scene.groundAngle = record.groundAngle;

    setRiverWidth(scene, record.riverWidth);

    scene.airim = scene.showRiver ? scene.wim : scene.aim;

    for (Shape Scene::*middle : {&Scene::windshm, &Scene::planeshm, &Scene::resultshm})
        (scene.*middle).visible = scene.showVectors;
    scene.movesh.visible = scene.showVectors;
    scene.timesb.visible = scene.showVectors;
    scene.posgbVisible = scene.showDisplacement;
    for (Shape Scene::*hidden : {&Scene::windshb, &Scene::planeshb, &Scene::resultshb,
                                 &Scene::windsht, &Scene::planesht, &Scene::resultsht})
        (scene.*hidden).visible = false;

    plotairspeedbtClick(scene);
    plotplanespeedbtClick(scene);
    plotresultantbtClick(scene);
    drawvectorbtClick(scene);
}

} // namespace

bool applyMotionText(Scene& scene, Platform& platform, const QString& text) {
    const auto parsed = parseMotionText(text);
    if (const QString* message = std::get_if<QString>(&parsed)) {
        platform.showError(*message);
        return false;
    }
    scene.motionText = text;
    // A new scene starts clean: no flight running or paused, the plane at its start.
    resetbt1Click(scene);
    applyRecord(scene, std::get<MotionRecord>(parsed));
    return true;
}

void expbtClick(Scene& scene, Platform& platform) {
    applyMotionText(scene, platform, scene.motionText);
}

} // namespace zephyra
