#pragma once

namespace zephyra {

struct Scene;
class Platform;

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
