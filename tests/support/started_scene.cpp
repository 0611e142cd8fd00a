// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/started_scene.h"

#include "startup/startup.h"
#include "support/fake_platform.h"

zephyra::Scene startedScene() {
    zephyra::Scene scene;
    FakePlatform platform;
    zephyra::FormCreate(scene);
    zephyra::FormActivate(scene, platform);
    return scene;
}
