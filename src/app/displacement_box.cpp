// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/displacement_box.h"

#include "app/translated.h"

#include <QGroupBox>
#include <QLabel>

namespace zephyra {

namespace {

const LabelRow distances[] = {
    {"nslb", {48, 16, 38, 14}, LabelFit::Grows, &Scene::nslb},
    {"ewlb", {48, 32, 37, 14}, LabelFit::Grows, &Scene::ewlb},
};

} // namespace

DisplacementBox::DisplacementBox(const Scene& scene, QWidget* parent, QStyle* style)
    : box_(makeGroupBox("posgb", QT_TRANSLATE_NOOP("Trelativefrm", "Displacement from Start"),
                        {8, 16, 153, 57}, parent, style)) {
    // Opaque in the colour of the box it sits in, so it reads over the river banks too.
    fillBackground(box_, QColor::fromRgb(windowColour));
    for (const LabelRow& row : distances)
        labels_.emplace_back(row, scene, box_);
    project(scene);
}

std::vector<QWidget*> DisplacementBox::readouts() const {
    std::vector<QWidget*> widgets;
    for (const ShownLabel& label : labels_)
        widgets.push_back(label.widget());
    return widgets;
}

void DisplacementBox::project(const Scene& scene) {
    setShown(box_, scene.posgbVisible);
    // Hidden, its read-outs wait: they change at every tick of a flight.
    if (!scene.posgbVisible)
        return;
    for (ShownLabel& label : labels_)
        label.project(scene);
}

} // namespace zephyra
