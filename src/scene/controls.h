// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zephyra {

// A horizontal scroll bar as the scene sees it: a clamped position in a fixed range.
struct ScrollBar {
    int min = 0;
    int max = 100;
    int position = 0;
    int pageStep = 1;
    bool visible = true;

    // Stores value clamped to [min, max]; true when the stored position changed.
    bool set(int value);
};

// Writes a control value and runs its reaction only when the value actually changed;
// this is what a user's change of the same control would run.
template <class Reaction> void setPosition(ScrollBar& bar, int value, Reaction&& reaction) {
    if (bar.set(value))
        reaction();
}

template <class Reaction> void setChecked(bool& checked, bool value, Reaction&& reaction) {
    if (checked != value) {
        checked = value;
        reaction();
    }
}

struct Label {
    QString caption;
    bool visible = true;
};

// A shape floating over the ground view, placed by its top-left corner in the
// client coordinates of the "Ground Position" group box.
struct Shape {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    QString hint;
};

} // namespace zephyra
