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

namespace {

// Writes a distance's new unit in a text that shows distances: switching units relabels, it
// never converts, so every number stays as it is.
void relabel(QString& text, const QString& was, const QString& now) {
    text.replace(was + QLatin1Char(' '), now + QLatin1Char(' '));
    if (text.endsWith(was))
        text = text.chopped(was.size()) + now;
}

} // namespace

void changeunitsbtClick(Scene& scene) {
    const QString was = scene.distanceUnit;
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
    // Every other text with a distance unit shows the new one at once.
    if (was != scene.distanceUnit)
        for (QString* text : {&scene.directionlb.caption, &scene.ewlb.caption, &scene.nslb.caption,
                              &scene.shorelb.caption, &scene.Startsh.hint, &scene.stopsh.hint})
            relabel(*text, was, scene.distanceUnit);
}

void Showposition1Click(Scene& scene) {
    scene.showDisplacement = !scene.showDisplacement;
    scene.posgbVisible = scene.showDisplacement;
}

} // namespace zephyra
