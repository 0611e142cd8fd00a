// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/scene.h"

#include "scene/artwork.h"

#include <algorithm>

namespace zephyra {

Scene::Scene()
    : windim(dialSize, dialSize, QImage::Format_RGB32),
      planeim(dialSize, dialSize, QImage::Format_RGB32),
      resultantim(dialSize, dialSize, QImage::Format_RGB32),
      waterim(waterimWidth, waterimHeight, QImage::Format_RGB32), airim(skyTile()),
      wim(waterTile()) {
    windim.fill(Qt::white);
    planeim.fill(Qt::white);
    resultantim.fill(Qt::white);
    waterim.fill(Qt::white);
}

double currentMetresPerPixel(const Scene& scene) {
    const int last = static_cast<int>(scene.metresPerPixel.size()) - 1;
    return scene.metresPerPixel[static_cast<std::size_t>(std::clamp(scene.distanceScale, 0, last))];
}

double arrowFactor(const Scene& scene) {
    // Worked out in extended precision and only then held as a double, so each scale
    // position gives the one factor a saved scene was laid out with.
    return static_cast<double>(static_cast<long double>(scene.timesb.max) / scene.timesb.position *
                               0.1L);
}

} // namespace zephyra
