// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

namespace zephyra {

struct Scene;
class Platform;

void Copyselect1Click(Scene& scene);
// x and y are relative to the ground-view picture.
void waterimMouseDown(Scene& scene, int x, int y);
void waterimMouseMove(Scene& scene, int x, int y);
// Mouse-up of the ground view and of the wind and ground dials.
void windimMouseUp(Scene& scene, Platform& platform);
// The same where the ground view is shown at scale device pixels per designed pixel, tile
// being the air picture drawn at that scale: the selection goes to the clipboard as it is
// seen, the same region drawn at that scale.
void windimMouseUp(Scene& scene, Platform& platform, double scale, const QImage& tile);
// Puts the whole ground-view picture on the clipboard, as it is shown at scale.
void copyGroundView(const Scene& scene, Platform& platform, double scale, const QImage& tile);

} // namespace zephyra
