// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;
class Platform;

void FormCreate(Scene& scene);
// Runs once, when the main window first becomes active.
void FormActivate(Scene& scene, Platform& platform);
void About1Click(Scene& scene, Platform& platform);

} // namespace zephyra
