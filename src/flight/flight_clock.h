// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;

void windtrTimer(Scene& scene);
void timerbtClick(Scene& scene);
void resetbt1Click(Scene& scene);
void resetbtClick(Scene& scene);
void tsbChange(Scene& scene);
void timefactorsbChange(Scene& scene);

// Control writes: clamp, and run the reaction only on a change.
void setTime(Scene& scene, int time);
void setTimeFactor(Scene& scene, int factor);

} // namespace zephyra
