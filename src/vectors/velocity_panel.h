// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zephyra {

struct Scene;

// Direction routines: normalise the angle, bearing text, dial, label, repaint.
void plotairspeedbtClick(Scene& scene);
void plotplanespeedbtClick(Scene& scene);
void plotresultantbtClick(Scene& scene);

void airspeedsbChange(Scene& scene);
void planespeedsbChange(Scene& scene);
void resultantsbChange(Scene& scene);
void timesbChange(Scene& scene);

// Dial mouse handlers; x and y are relative to the dial.
void windimMouseDown(Scene& scene, int x, int y);
void windimMouseMove(Scene& scene, int x, int y);
void planeimMouseDown(Scene& scene, int x, int y);
void planeimMouseMove(Scene& scene, int x, int y);
void resultantimMouseDown(Scene& scene, int x, int y);
void resultantimMouseMove(Scene& scene, int x, int y);

// Turn buttons, told apart by tag 0..5; the timer ticks every 25 ms while one is held.
void Image10MouseDown(Scene& scene, int tag);
void Image10MouseUp(Scene& scene);
void angletrTimer(Scene& scene);

// What one tick of a held turn button turns, in degrees.
inline constexpr double turnButtonStepDegrees = 0.01;

// Dial keys, for dial 0 (wind), 1 (plane) or 2 (ground): turn clockwise by a number of degrees
// (counter-clockwise when negative), or point straight at an angle. Both run the direction
// routine as a press on the dial does.
void dialKeyTurn(Scene& scene, int dial, double clockwiseDegrees);
void dialKeyPoint(Scene& scene, int dial, double angle);

// Control writes: clamp, and run the reaction only on a change.
void setWindSpeed(Scene& scene, int tenths);
void setPlaneSpeed(Scene& scene, int tenths);
void setGroundSpeed(Scene& scene, int tenths);
void setVectorScale(Scene& scene, int position);

// The student's ground velocity (the red arrow) against wind + plane, both in the window's
// notation, and how far apart they are in speed and in direction; in river mode the sum is
// current + boat.
QString groundVelocityCheck(const Scene& scene);

} // namespace zephyra
