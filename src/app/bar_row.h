// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/shown.h"

namespace zephyra {

// One scroll bar: where it sits, what assistive tools call it, the scene scroll bar it shows,
// the handler its new value goes to, and the read-out that describes it.
struct BarRow {
    const char* name;
    QRect geometry;
    const char* accessibleName;
    ScrollBar Scene::*bar;
    void (*write)(Scene&, int);
    Label Scene::*readout;
    // What one step of the bar is worth as a screen reader speaks its value (a speed bar
    // steps in tenths of a speed unit, the time bar in hundredths of a second).
    double spokenStep = 1;
};

} // namespace zephyra
