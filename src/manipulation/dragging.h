// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;
struct Shape;

// The shapes that take the mouse on the ground view.
enum class ShapeId { planesh, Startsh, stopsh, windshm, planeshm, resultshm, movesh };

Shape& shapeOf(Scene& scene, ShapeId id);

// Mouse handlers; x and y are relative to the sender's top-left corner.
void planeshMouseDown(Scene& scene);
void planeshMouseMove(Scene& scene, ShapeId sender, int x, int y);
void windshmMouseMove(Scene& scene, ShapeId sender, int x, int y);
void moveshMouseMove(Scene& scene, int x, int y);
void planeimMouseUp(Scene& scene);
void moveshMouseUp(Scene& scene);

} // namespace zephyra
