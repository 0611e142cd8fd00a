// SPDX-License-Identifier: GPL-3.0-or-later
#include "vectors/velocity_panel.h"

#include "geometry/handle_layout.h"
#include "geometry/notation.h"
#include "ground_view/ground_view.h"
#include "scene/language.h"
#include "scene/scene.h"
#include "scene/vector_parts.h"
#include "vectors/dial.h"
#include "vectors/joined_arrows.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zephyra {

namespace {

// One fine turn of a held turn button.
constexpr double turnStep = 0.00017453292519943296; // turnButtonStepDegrees in radians
constexpr int turnButtonCount = 6;
constexpr int dialCount = 3;

void composeLabel(Scene& scene, Vector v) {
    const VectorParts& parts = partsOf(v);
    (scene.*parts.label).caption =
        velocityLabel(QString(parts.prefix), (scene.*parts.speedBar).position, scene.speedUnit,
                      (scene.*parts.directionText).caption);
}

// The ground arrow turns and grows about its tail handle.
void placeGroundHandles(Scene& scene) {
    relayFromTail(groundHandles(scene), groundOffsets(scene));
}

void directionRoutine(Scene& scene, Vector v) {
    const VectorParts& parts = partsOf(v);
    if (scene.vectorsJoined)
        lockedbtClick(scene);
    double& angle = scene.*parts.angle;
    angle = normaliseAngle(angle);
    (scene.*parts.directionText).caption = bearingText(angle, BearingForm::Tenth);
    if (v == Vector::Ground)
        placeGroundHandles(scene);
    drawDial(scene.*parts.dial, parts.colour, angle);
    composeLabel(scene, v);
    airbtClick(scene);
}

void speedChange(Scene& scene, Vector v) {
    composeLabel(scene, v);
    scene.animationPhase = 0;
    if (v == Vector::Ground)
        placeGroundHandles(scene);
    if (scene.vectorsJoined)
        lockedbtClick(scene);
    if (scene.showVectors)
        airbtClick(scene);
}

// Only the direction of the mouse from the dial's centre counts; the distance does not.
void dialPointedAt(Scene& scene, Vector v, int x, int y) {
    const int centre = dialSize / 2;
    scene.animationPhase = 0;
    scene.*partsOf(v).angle = angleFromOffset(x - centre, centre - y, true);
    directionRoutine(scene, v);
}

void dialMouseDown(Scene& scene, Vector v, int x, int y) {
    scene.dragging = true;
    dialPointedAt(scene, v, x, y);
}

void dialMouseMove(Scene& scene, Vector v, int x, int y) {
    if (scene.dragging)
        dialPointedAt(scene, v, x, y);
}

} // namespace

void plotairspeedbtClick(Scene& scene) {
    directionRoutine(scene, Vector::Wind);
}
void plotplanespeedbtClick(Scene& scene) {
    directionRoutine(scene, Vector::Plane);
}
void plotresultantbtClick(Scene& scene) {
    directionRoutine(scene, Vector::Ground);
}

void airspeedsbChange(Scene& scene) {
    speedChange(scene, Vector::Wind);
}
void planespeedsbChange(Scene& scene) {
    speedChange(scene, Vector::Plane);
}
void resultantsbChange(Scene& scene) {
    speedChange(scene, Vector::Ground);
}

// The ground arrow keeps its tail on a new scale, as on a new speed, so the next speed step
// does not make it jump.
void timesbChange(Scene& scene) {
    placeGroundHandles(scene);
    if (scene.vectorsJoined)
        lockedbtClick(scene);
    if (scene.showVectors)
        airbtClick(scene);
}

void windimMouseDown(Scene& scene, int x, int y) {
    dialMouseDown(scene, Vector::Wind, x, y);
}
void windimMouseMove(Scene& scene, int x, int y) {
    dialMouseMove(scene, Vector::Wind, x, y);
}
void planeimMouseDown(Scene& scene, int x, int y) {
    dialMouseDown(scene, Vector::Plane, x, y);
}
void planeimMouseMove(Scene& scene, int x, int y) {
    dialMouseMove(scene, Vector::Plane, x, y);
}
void resultantimMouseDown(Scene& scene, int x, int y) {
    dialMouseDown(scene, Vector::Ground, x, y);
}
void resultantimMouseMove(Scene& scene, int x, int y) {
    dialMouseMove(scene, Vector::Ground, x, y);
}

// The press only arms the timer; the first step comes with its first tick.
void Image10MouseDown(Scene& scene, int tag) {
    if (tag < 0 || tag >= turnButtonCount)
        return;
    scene.angletrTag = tag;
    scene.angletrEnabled = true;
}

void Image10MouseUp(Scene& scene) {
    scene.angletrEnabled = false;
}

// Even tags turn counter-clockwise, odd tags clockwise; tag div 2 picks the vector.
void angletrTimer(Scene& scene) {
    const int tag = scene.angletrTag;
    if (!scene.angletrEnabled || tag < 0 || tag >= turnButtonCount)
        return;
    const auto v = static_cast<Vector>(tag / 2);
    scene.*partsOf(v).angle += tag % 2 == 0 ? turnStep : -turnStep;
    directionRoutine(scene, v);
}

void dialKeyTurn(Scene& scene, int dial, double clockwiseDegrees) {
    if (dial < 0 || dial >= dialCount)
        return;
    const auto v = static_cast<Vector>(dial);
    dialKeyPoint(scene, dial, scene.*partsOf(v).angle - clockwiseDegrees * 0.017453292519943295);
}

void dialKeyPoint(Scene& scene, int dial, double angle) {
    if (dial < 0 || dial >= dialCount)
        return;
    const auto v = static_cast<Vector>(dial);
    scene.animationPhase = 0;
    scene.*partsOf(v).angle = angle;
    directionRoutine(scene, v);
}

void setWindSpeed(Scene& scene, int tenths) {
    setPosition(scene.airspeedsb, tenths, [&] { airspeedsbChange(scene); });
}

void setPlaneSpeed(Scene& scene, int tenths) {
    setPosition(scene.planespeedsb, tenths, [&] { planespeedsbChange(scene); });
}

void setGroundSpeed(Scene& scene, int tenths) {
    setPosition(scene.resultantsb, tenths, [&] { resultantsbChange(scene); });
}

void setVectorScale(Scene& scene, int position) {
    setPosition(scene.timesb, position, [&] { timesbChange(scene); });
}

QString groundVelocityCheck(const Scene& scene) {
    // Speeds in tenths of the speed unit, angles counter-clockwise from East, as the scene
    // holds them.
    const double east = scene.airspeedsb.position * std::cos(scene.windAngle) +
                        scene.planespeedsb.position * std::cos(scene.planeAngle);
    const double north = scene.airspeedsb.position * std::sin(scene.windAngle) +
                         scene.planespeedsb.position * std::sin(scene.planeAngle);
    const double speed = std::hypot(east, north);
    const double angle = normaliseAngle(std::atan2(north, east));
    const double speedOff = std::fabs(scene.resultantsb.position - speed) / 10;
    double angleOff = std::fabs(normaliseAngle(scene.groundAngle) - angle);
    angleOff = std::min(angleOff, 2 * std::numbers::pi - angleOff) * 180 / std::numbers::pi;
    const int tenths = static_cast<int>(std::lround(speed));
    const QString yours = velocityLabel(QString(), scene.resultantsb.position, scene.speedUnit,
                                        bearingText(scene.groundAngle, BearingForm::Tenth));
    const QString truth =
        velocityLabel(QString(), tenths, scene.speedUnit,
                      speed > 0 ? bearingText(angle, BearingForm::Tenth) : QString());
    return (scene.showRiver
                ? QCoreApplication::translate(
                      "Scene", "Your ground velocity: %1. Current + boat: %2. Off by %3%4 and %5°.")
                : QCoreApplication::translate(
                      "Scene", "Your ground velocity: %1. Wind + plane: %2. Off by %3%4 and %5°."))
        .arg(localised(yours), localised(truth), localised(QString::number(speedOff, 'f', 1)),
             scene.speedUnit, localised(QString::number(angleOff, 'f', 1)));
}

} // namespace zephyra
