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

// Where the point at is from the point to, as "4 px left of and 3 px below", or "on".
QString placeRelative(int dx, int dy);

} // namespace zephyra
