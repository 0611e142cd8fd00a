// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

namespace zephyra {

struct Scene;

void airbtClick(Scene& scene);
// Adds the plane's place after a step of the flight clock to its track; time 0 starts it anew.
void recordPath(Scene& scene);
// Switches the track on or off; either way it starts anew.
void ShowPath1Click(Scene& scene);
void drawplanebtClick(Scene& scene, QPainter& canvas);
void walkbtClick(Scene& scene, QPainter& canvas);
// Course angle and the course label from the markers' corners (both markers are the same size).
void composeCourse(Scene& scene);
void distancerbClick(Scene& scene);
void stopstartcbClick(Scene& scene);

// Control writes: run the reaction only on a change.
void setDistanceScale(Scene& scene, int index);
void setShowStartFinish(Scene& scene, bool on);

} // namespace zephyra
