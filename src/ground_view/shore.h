// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

namespace zephyra {

struct Scene;

// Paints the two river banks on the ground view.
void plotshorebtClick(Scene& scene, QPainter& canvas);

} // namespace zephyra
