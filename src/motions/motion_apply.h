// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zephyra {

struct Scene;
class Platform;

// Checks every field of `text` first; a bad field shows its message and changes nothing.
// Otherwise the text becomes motionText and the scene takes it in the fixed order of the
// record's fields. True when the record was applied.
bool applyMotionText(Scene& scene, Platform& platform, const QString& text);

} // namespace zephyra
