// SPDX-License-Identifier: GPL-3.0-or-later
#include "vectors/joined_arrows.h"

#include "geometry/handle_layout.h"
#include "scene/scene.h"

namespace zephyra {

namespace {

// Lays an arrow's middle and far end from the joint; tops first, then lefts.
void layFromJoint(const Shape& joint, Shape& middle, Shape& farEnd, const ArrowOffsets& offsets,
                  Direction direction) {
    middle.top = placedTop(joint, offsets.half, direction);
    farEnd.top = placedTop(joint, offsets.full, direction);
    middle.left = placedLeft(joint, offsets.half, direction);
    farEnd.left = placedLeft(joint, offsets.full, direction);
}

} // namespace

void lockedbtClick(Scene& scene) {
    const ArrowOffsets wind = windOffsets(scene);
    const ArrowOffsets plane = planeOffsets(scene);
    constexpr Direction forward = Direction::Forward;
    constexpr Direction backward = Direction::Backward;

    if (handlesTouch(scene.planeshb, scene.windsht)) {
        // wind + plane, head to tail
        layFromJoint(scene.windsht, scene.windshm, scene.windshb, wind, backward);
        layFromJoint(scene.windsht, scene.planeshm, scene.planesht, plane, forward);
    } else if (handlesTouch(scene.planesht, scene.windshb)) {
        // plane + wind
        layFromJoint(scene.windshb, scene.windshm, scene.windsht, wind, forward);
        layFromJoint(scene.windshb, scene.planeshm, scene.planeshb, plane, backward);
    } else if (handlesTouch(scene.planesht, scene.windsht)) {
        layFromJoint(scene.windsht, scene.windshm, scene.windshb, wind, backward);
        layFromJoint(scene.windsht, scene.planeshm, scene.planeshb, plane, backward);
    } else if (handlesTouch(scene.planeshb, scene.windshb)) {
        layFromJoint(scene.windshb, scene.windshm, scene.windsht, wind, forward);
        layFromJoint(scene.windshb, scene.planeshm, scene.planesht, plane, forward);
    }
}

} // namespace zephyra
