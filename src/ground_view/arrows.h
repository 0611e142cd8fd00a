// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

namespace zephyra {

struct Scene;

void drawvectorbtClick(Scene& scene);
void drawvectorbtClick(Scene& scene, QPainter& canvas);
void Showvectors1Click(Scene& scene);

} // namespace zephyra
