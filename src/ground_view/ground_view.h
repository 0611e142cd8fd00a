// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;
class QPainter;

namespace zephyra {

struct Scene;

void airbtClick(Scene& scene);
// Adds the plane's place after a step of the flight clock to its track; time 0 starts it anew.
void recordPath(Scene& scene);
// Switches the track on or off; either way it starts anew.
void ShowPath1Click(Scene& scene);
// The ground view as airbtClick paints it, drawn at scale device pixels per designed pixel,
// its figures rasterised at that resolution; tile is the air picture at that scale. At an
// integer scale a 1-pixel line of the design is scale pixels wide, where it was.
QImage groundViewAt(const Scene& scene, double scale, const QImage& tile);
// The same onto canvas, whose unit is the device pixel and whose origin is the view's corner:
// shown scaled, the view is drawn straight where it is shown (in flight, a full-screen picture
// at every tick), without a picture between.
void paintGroundViewAt(const Scene& scene, double scale, const QImage& tile, QPainter& canvas);
void drawplanebtClick(Scene& scene, QPainter& canvas);
void walkbtClick(Scene& scene, QPainter& canvas);
// Course angle and the course label from the markers' corners (both markers are the same size).
void composeCourse(Scene& scene);
void distancerbClick(Scene& scene);
// The river width label, in distance units with the unit.
void writeRiverWidth(Scene& scene);
void stopstartcbClick(Scene& scene);

// Control writes: run the reaction only on a change.
void setDistanceScale(Scene& scene, int index);
void setShowStartFinish(Scene& scene, bool on);

} // namespace zephyra
