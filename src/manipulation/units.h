// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;

// Both unit items share this handler; senderTag is 0 for "m,s" and 8 for "km, h".
void ms1Click(Scene& scene, int senderTag);
void changeunitsbtClick(Scene& scene);
void Showposition1Click(Scene& scene);

} // namespace zephyra
