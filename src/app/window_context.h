// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/scene.h"

#include <functional>
#include <utility>

class QStyle;

namespace zephyra {

class Platform;

// What the parts of the window share: the scene they show, the platform behind the modal
// windows, the style of their group boxes, and how a handler runs: on the scene, then the
// whole window is brought in line with it.
struct WindowContext {
    Scene& scene;
    Platform& platform;
    QStyle* boxStyle;
    std::function<void()> project;
    // Tells a screen reader a text at once, wherever the focus is; of texts about the same
    // thing said within a moment, the latest.
    std::function<void(const QString&, const void* about)> say = [](const QString&, const void*) {};

    template <class Handler> void run(Handler&& handler) {
        std::forward<Handler>(handler)();
        project();
    }
};

} // namespace zephyra
