// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/scene.h"

#include <QLatin1String>
#include <Qt>

#include <array>

namespace zephyra {

enum class Vector { Wind = 0, Plane = 1, Ground = 2 };

// The scene members that belong to one velocity vector, so the panel and the arrows treat the
// three alike.
struct VectorParts {
    double Scene::*angle;
    ScrollBar Scene::*speedBar;
    QImage Scene::*dial;
    Label Scene::*label;
    Label Scene::*directionText;
    Shape Scene::*middle;
    QLatin1String prefix;
    Qt::GlobalColor colour;
};

inline constexpr std::array<VectorParts, 3> vectorParts{{
    {&Scene::windAngle, &Scene::airspeedsb, &Scene::windim, &Scene::airlb, &Scene::currentlb,
     &Scene::windshm, QLatin1String("Wind: "), Qt::blue},
    {&Scene::planeAngle, &Scene::planespeedsb, &Scene::planeim, &Scene::planelb,
     &Scene::transportlb, &Scene::planeshm, QLatin1String("Plane: "), Qt::black},
    {&Scene::groundAngle, &Scene::resultantsb, &Scene::resultantim, &Scene::rlb,
     &Scene::resultantlb, &Scene::resultshm, QLatin1String("Ground: "), Qt::red},
}};

inline const VectorParts& partsOf(Vector v) {
    return vectorParts[static_cast<std::size_t>(v)];
}

} // namespace zephyra
