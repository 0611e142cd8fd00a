// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/shown.h"

#include <vector>

namespace zephyra {

// The "Displacement from Start" box over the ground view: how far north and east the plane is
// from where it started.
class DisplacementBox {
public:
    DisplacementBox(const Scene& scene, QWidget* parent, QStyle* style);

    void project(const Scene& scene);
    QWidget* widget() const { return box_; }
    // The north and east read-outs, which change at every tick of a flight while shown.
    std::vector<QWidget*> readouts() const;

private:
    QWidget* box_;
    std::vector<ShownLabel> labels_;
};

} // namespace zephyra
