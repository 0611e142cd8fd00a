// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;

// Lays joined wind and plane arrows out again from the joint that touches.
void lockedbtClick(Scene& scene);

} // namespace zephyra
