// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/units.h"

#include "geometry/notation.h"
#include "scene/scene.h"
#include "vectors/velocity_panel.h"

namespace zephyra {

void ms1Click(Scene& scene, int senderTag) {
    scene.unitsTag = senderTag;
    // The caption follows the same rule as the unit texts, so the two always agree.
    scene.units1Caption = QStringLiteral("Units: ") +
                          (senderTag != unitsMS ? QStringLiteral("km, h") : QStringLiteral("m,s"));
    changeunitsbtClick(scene);
}

void changeunitsbtClick(Scene& scene) {
    if (scene.unitsTag != unitsMS) {
        scene.distanceUnit = QStringLiteral(" km");
        scene.speedUnit = QStringLiteral(" km/h");
        scene.timeUnit = QStringLiteral(" h");
    } else {
        scene.distanceUnit = QStringLiteral(" m");
        scene.speedUnit = QStringLiteral(" m/s");
        scene.timeUnit = QStringLiteral(" s");
    }
    scene.timelb.caption =
        QStringLiteral("Time: ") + fixedText(scene.tsb.position / 100.0, 4, 2) + scene.timeUnit;
    plotairspeedbtClick(scene);
    plotplanespeedbtClick(scene);
    plotresultantbtClick(scene);
}

void Showposition1Click(Scene& scene) {
    scene.showDisplacement = !scene.showDisplacement;
    scene.posgbVisible = scene.showDisplacement;
}

} // namespace zephyra
