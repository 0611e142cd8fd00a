// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;

// Runs the program's start-up on the scene, with a platform that shows nothing.
void startUp(Scene& scene);

} // namespace zephyra
