// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/scene.h"
#include "startup/startup.h"
#include "support/fake_platform.h"

// A scene as the window holds it once it has been created and first activated.
inline zephyra::Scene startedScene() {
    zephyra::Scene scene;
    FakePlatform platform;
    zephyra::FormCreate(scene);
    zephyra::FormActivate(scene, platform);
    return scene;
}
