// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zephyra {

struct Scene;
class Platform;

// What the text box shows of a file's explanation: at most the first 64 Ki characters,
// lines broken every 4096 characters, and a closing note when the rest was left out.
QString explanationPreview(const QString& explanation);

void Openmotion1Click(Scene& scene);
void SaveMotion1Click(Scene& scene);
void expmemEnter(Scene& scene);
void lsbtClick(Scene& scene, Platform& platform);
// "&Yes" applies the record read for the preview, whatever became of the file since.
void ybtClick(Scene& scene, Platform& platform);
void nbtClick(Scene& scene);
void cancelbtClick(Scene& scene);
void okbtClick(Scene& scene, Platform& platform);
// Shows the last question or motion loaded again, without applying its scene.
void ShowQuestion1Click(Scene& scene);

// "&Open Motion", then "&Load" with path already chosen: the panel previews the file for
// "&Yes" or "&No". A file that cannot be read shows its message and leaves the panel closed.
void openMotionFile(Scene& scene, Platform& platform, const QString& path);

// Applies motionText to the scene; a bad record shows its message and changes nothing.
void expbtClick(Scene& scene, Platform& platform);

} // namespace zephyra
