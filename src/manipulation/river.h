// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephyra {

struct Scene;

void ShowShore1Click(Scene& scene);
// Writes the note on the Controls page: in river mode it speaks of the current and the boat
// where the captions say wind and plane. Before the first activation the note is not written.
void writeNote(Scene& scene);
void shoresbChange(Scene& scene);

// Control write: clamp, and run the reaction only on a change.
void setRiverWidth(Scene& scene, int width);

} // namespace zephyra
