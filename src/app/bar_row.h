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
};

} // namespace zephyra
