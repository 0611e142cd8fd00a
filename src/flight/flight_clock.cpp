// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/flight_clock.h"

#include "geometry/notation.h"
#include "ground_view/ground_view.h"
#include "scene/pixels.h"
#include "scene/scene.h"
#include "vectors/velocity_panel.h"

#include <cmath>

namespace zephyra {

namespace {

// One displacement component: magnitude in (7, 1) fixed text, the unit and a compass letter.
// Exactly zero takes the negative letter.
QString displacementText(double value, const QString& distanceUnit, const QString& positive,
                         const QString& negative) {
    return fixedText(std::abs(value), 7, 1) + distanceUnit + QLatin1Char(' ') +
           (value > 0 ? positive : negative);
}

} // namespace

void windtrTimer(Scene& scene) {
    setTime(scene, scene.tsb.position + scene.timefactorsb.position);
}

void timerbtClick(Scene& scene) {
    scene.running = !scene.running;
    scene.timerbtCaption = scene.running ? QStringLiteral("&Stop") : QStringLiteral("&Continue");
    scene.planesh.visible = false;
}

void resetbt1Click(Scene& scene) {
    scene.running = false;
    scene.timerbtCaption = QStringLiteral("&Start");
    resetbtClick(scene);
    setTime(scene, 0);
    scene.planesh.visible = true;
    airbtClick(scene);
}

void resetbtClick(Scene& scene) {
    scene.windShiftX = 0;
    scene.windShiftY = 0;
    scene.planeShiftX = 0;
    scene.planeShiftY = 0;
    plotairspeedbtClick(scene);
    plotplanespeedbtClick(scene);
    plotresultantbtClick(scene);
}

void tsbChange(Scene& scene) {
    const int time = scene.tsb.position;
    scene.animationPhase = time != 0 ? scene.animationPhase + 1 : 0;
    scene.planesh.visible = time == 0;
    scene.timelb.caption =
        QStringLiteral("Time: ") + fixedText(time / 100.0, 4, 2) + scene.timeUnit;

    // time (hundredths) × speed (tenths) × 0.001 is a distance in distance units.
    const double k = 0.001 / currentMetresPerPixel(scene);
    const int windSpeed = scene.airspeedsb.position;
    const int planeSpeed = scene.planespeedsb.position;
    scene.windShiftX = truncToInt(std::cos(scene.windAngle) * ((time * k) * windSpeed));
    scene.windShiftY = -truncToInt(std::sin(scene.windAngle) * ((time * k) * windSpeed));
    scene.planeShiftX = truncToInt(std::cos(scene.planeAngle) * ((time * k) * planeSpeed));
    scene.planeShiftY = -truncToInt(std::sin(scene.planeAngle) * ((time * k) * planeSpeed));

    // The products are exact integers; the read-out is not rounded to pixels.
    const double windTravel = static_cast<double>(time) * windSpeed;
    const double planeTravel = static_cast<double>(time) * planeSpeed;
    const double east =
        (std::cos(scene.windAngle) * windTravel + std::cos(scene.planeAngle) * planeTravel) * 0.001;
    const double north =
        (std::sin(scene.windAngle) * windTravel + std::sin(scene.planeAngle) * planeTravel) * 0.001;
    scene.ewlb.caption =
        displacementText(east, scene.distanceUnit, QStringLiteral("[E]"), QStringLiteral("[W]"));
    scene.nslb.caption =
        displacementText(north, scene.distanceUnit, QStringLiteral("[N]"), QStringLiteral("[S]"));

    recordPath(scene);
    airbtClick(scene);

    if (scene.tsb.position == scene.tsb.max) {
        if (scene.repeat) {
            // Runs this handler again for time 0 while the timer keeps running.
            setTime(scene, 0);
        } else {
            scene.running = false;
            scene.timerbtCaption = QStringLiteral("&Continue");
        }
    }
}

void timefactorsbChange(Scene& scene) {
    scene.timefactorlb.caption =
        QStringLiteral("Time Factor: ") + QString::number(scene.timefactorsb.position);
}

void setTime(Scene& scene, int time) {
    setPosition(scene.tsb, time, [&] { tsbChange(scene); });
}

void setTimeFactor(Scene& scene, int factor) {
    setPosition(scene.timefactorsb, factor, [&] { timefactorsbChange(scene); });
}

} // namespace zephyra
