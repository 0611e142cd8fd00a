// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zephyra {

struct Scene;

// The ground view in words, for a student who cannot see it: each arrow's read-out and where
// its tail and tip are, which ends are joined or how far the nearest joinable ends are apart,
// where the plane started and how far it went, the markers and their course, the river.
// Places are in pixels from the top left of the ground view.
QString describeScene(const Scene& scene);

enum class Arrow { Wind, Plane, Ground };

// Where the arrow's end nearest to an end it may join lies from that end, as ", tail 4 px left
// of and 3 px below the wind arrow's tip"; empty when the two are on each other. The plane and
// the wind arrows join each other; the ground velocity arrow's tail goes to the wind's tail.
QString nearestEnd(const Scene& scene, Arrow arrow);

// What the vector scale sets, as "10 m/s is drawn 40.0 px long".
QString vectorScaleMeaning(const Scene& scene);

// What a distance scale caption sets: "100" as "100 m across 500 px".
QString distanceScaleMeaning(const Scene& scene, int caption);

// Where the point at is from the point to, as "4 px left of and 3 px below", or "on".
QString placeRelative(int dx, int dy);

} // namespace zephyra
