// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;

void ShowShore1Click(Scene& scene);
void shoresbChange(Scene& scene);

// Control write: clamp, and run the reaction only on a change.
void setRiverWidth(Scene& scene, int width);

} // namespace zephyra
