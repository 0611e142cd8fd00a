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
void ybtClick(Scene& scene, Platform& platform);
void nbtClick(Scene& scene);
void cancelbtClick(Scene& scene);
void okbtClick(Scene& scene, Platform& platform);

// Applies motionText to the scene; a bad record shows its message and changes nothing.
void expbtClick(Scene& scene, Platform& platform);

} // namespace zephyra
