// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;
class Platform;

void Copyselect1Click(Scene& scene);
// x and y are relative to the ground-view picture.
void waterimMouseDown(Scene& scene, int x, int y);
void waterimMouseMove(Scene& scene, int x, int y);
// Mouse-up of the ground view and of the wind and ground dials.
void windimMouseUp(Scene& scene, Platform& platform);
// Puts the whole ground-view picture on the clipboard.
void copyGroundView(const Scene& scene, Platform& platform);

} // namespace zephyra
