// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/handle_layout.h"

#include "scene/pixels.h"
#include "scene/scene.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace zephyra {

namespace {

constexpr long long intMin = std::numeric_limits<int>::min();
constexpr long long intMax = std::numeric_limits<int>::max();

int clampToInt(long long value) {
    return static_cast<int>(value < intMin ? intMin : (value > intMax ? intMax : value));
}

} // namespace

int addPixels(long long a, long long b) {
    return clampToInt(a + b);
}

ArrowOffsets arrowOffsets(double angle, int speed, double k) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double half = speed * k;
    const double full = speed * (2 * k);
    return {{truncToInt(c * half), truncToInt(s * half)},
            {truncToInt(c * full), truncToInt(s * full)}};
}

ArrowOffsets windOffsets(const Scene& scene) {
    return arrowOffsets(scene.windAngle, scene.airspeedsb.position, arrowFactor(scene));
}

ArrowOffsets planeOffsets(const Scene& scene) {
    return arrowOffsets(scene.planeAngle, scene.planespeedsb.position, arrowFactor(scene));
}

ArrowOffsets groundOffsets(const Scene& scene) {
    return arrowOffsets(scene.groundAngle, scene.resultantsb.position, arrowFactor(scene));
}

ArrowHandles windHandles(Scene& scene) {
    return {scene.windshb, scene.windshm, scene.windsht};
}

ArrowHandles planeHandles(Scene& scene) {
    return {scene.planeshb, scene.planeshm, scene.planesht};
}

ArrowHandles groundHandles(Scene& scene) {
    return {scene.resultshb, scene.resultshm, scene.resultsht};
}

int placedLeft(const Shape& from, ArrowOffset offset, Direction direction) {
    const long long x = offset.x;
    return addPixels(from.left, direction == Direction::Forward ? x : -x);
}

int placedTop(const Shape& from, ArrowOffset offset, Direction direction) {
    const long long y = offset.y;
    return addPixels(from.top, direction == Direction::Forward ? -y : y);
}

void place(Shape& handle, const Shape& from, ArrowOffset offset, Direction direction) {
    const int left = placedLeft(from, offset, direction);
    handle.top = placedTop(from, offset, direction);
    handle.left = left;
}

bool handlesTouch(const Shape& a, const Shape& b) {
    return std::llabs(static_cast<long long>(a.left) - b.left) < 5 &&
           std::llabs(static_cast<long long>(a.top) - b.top) < 5;
}

void relayFromMiddle(const ArrowHandles& arrow, const ArrowOffsets& offsets) {
    place(arrow.tip, arrow.middle, offsets.half, Direction::Forward);
    place(arrow.tail, arrow.middle, offsets.half, Direction::Backward);
}

void relayFromTail(const ArrowHandles& arrow, const ArrowOffsets& offsets) {
    place(arrow.middle, arrow.tail, offsets.half, Direction::Forward);
    place(arrow.tip, arrow.tail, offsets.full, Direction::Forward);
}

void relayFromTip(const ArrowHandles& arrow, const ArrowOffsets& offsets) {
    place(arrow.middle, arrow.tip, offsets.half, Direction::Backward);
    place(arrow.tail, arrow.tip, offsets.full, Direction::Backward);
}

} // namespace zephyra
