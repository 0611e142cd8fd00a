// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/scene.h"

// A scene as the window holds it once it has been created and first activated.
zephyra::Scene startedScene();
