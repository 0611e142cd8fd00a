// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/dragging.h"

#include "geometry/handle_layout.h"
#include "geometry/notation.h"
#include "ground_view/ground_view.h"
#include "scene/scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace zephyra {

namespace {

// Moves the shape so that its centre lies under the pointer (x, y relative to the shape).
void followPointer(Shape& shape, int x, int y) {
    shape.top = addPixels(shape.top, static_cast<long long>(y) - shape.height / 2);
    shape.left = addPixels(shape.left, static_cast<long long>(x) - shape.width / 2);
}

// Holds a dragged shape on the ground view; `rightLimit` is where it goes past the right edge.
void holdOnGroundView(Shape& shape, int rightLimit) {
    if (shape.top < waterimTop)
        shape.top = waterimTop;
    if (shape.top > waterimHeight)
        shape.top = waterimHeight;
    if (shape.left < 0)
        shape.left = 0;
    if (shape.left > waterimWidth)
        shape.left = rightLimit;
}

// Keeps a dragged shape's centre on the picture, where the mouse can always take it again.
void keepCentreOnPicture(Shape& shape) {
    shape.left = std::clamp(shape.left, waterimLeft - shape.width / 2,
                            waterimLeft + waterimWidth - 1 - shape.width / 2);
    shape.top = std::clamp(shape.top, waterimTop - shape.height / 2,
                           waterimTop + waterimHeight - 1 - shape.height / 2);
}

// The shifts along one axis that take a centre no further off the picture than it is: one
// on the picture stays on it, one that a motion file put off it may only come closer.
struct ShiftRange {
    long long low;
    long long high;
};

ShiftRange allowedShift(long long centre, int last) {
    return {std::min(0LL, -centre), std::max(0LL, last - centre)};
}

// The carrier's shift, held to every range in turn; as each range holds 0, the result lies
// in all of them.
long long carriedShift(long long shift, std::initializer_list<ShiftRange> ranges) {
    for (const ShiftRange& range : ranges)
        shift = std::clamp(shift, range.low, range.high);
    return shift;
}

long long centreX(const Shape& shape) {
    return static_cast<long long>(shape.left) + shape.width / 2 - waterimLeft;
}

long long centreY(const Shape& shape) {
    return static_cast<long long>(shape.top) + shape.height / 2 - waterimTop;
}

int halfway(int a, int b) {
    return static_cast<int>((static_cast<long long>(a) + b) / 2);
}

// The course direction from a pixel offset that may not fit an int when markers stand at
// the int limits; halving both parts keeps the direction.
double courseDirection(long long dx, long long dyUp) {
    constexpr long long intMin = std::numeric_limits<int>::min();
    constexpr long long intMax = std::numeric_limits<int>::max();
    const auto fits = [](long long v) { return v >= intMin && v <= intMax; };
    if (!fits(dx) || !fits(dyUp)) {
        dx /= 2;
        dyUp /= 2;
    }
    return normaliseAngle(angleFromOffset(static_cast<int>(dx), static_cast<int>(dyUp), false));
}

// One component of the markers' hint, e.g. " 0.0 m [S]".
QString hintComponent(double pixels, double metresPerPixel, const QString& unit,
                      const char* positive, const char* otherwise) {
    return fixedText(std::fabs(pixels) * metresPerPixel, 4, 1) + unit +
           QLatin1String(pixels > 0 ? positive : otherwise);
}

void markerStep(Scene& scene, Shape& marker, int x, int y) {
    followPointer(marker, x, y);
    keepCentreOnPicture(marker);
    const long long dx = static_cast<long long>(scene.Startsh.left) - scene.stopsh.left;
    const long long dy = static_cast<long long>(scene.Startsh.top) - scene.stopsh.top;
    const auto sx = static_cast<double>(dx);
    const auto sy = static_cast<double>(dy);
    const double m = currentMetresPerPixel(scene);
    const double distance = std::sqrt(sx * sx + sy * sy) * m;

    const QString hint = hintComponent(sy, m, scene.distanceUnit, " [N]", " [S]") +
                         QLatin1String(" and ") + QChar(u'\r') +
                         hintComponent(sx, m, scene.distanceUnit, " [W]", " [E]") + QChar(u' ');
    scene.Startsh.hint = hint;
    scene.stopsh.hint = hint;

    scene.courseAngle = courseDirection(-dx, dy);
    scene.directionlb.caption = courseLabel(distance, scene.courseAngle, scene.distanceUnit);
    airbtClick(scene);
}

// Snaps the moving arrow onto the other one at the first pair of ends that touch.
void joinArrows(Scene& scene, bool windMoves) {
    const ArrowHandles wind = windHandles(scene);
    const ArrowHandles plane = planeHandles(scene);
    const ArrowOffsets windLengths = windOffsets(scene);
    const ArrowOffsets planeLengths = planeOffsets(scene);

    struct Pair {
        Shape& planeEnd;
        Shape& windEnd;
        bool planeEndIsTail;
        bool windEndIsTail;
    };
    const std::array<Pair, 4> pairs{{{plane.tail, wind.tip, true, false},
                                     {plane.tip, wind.tail, false, true},
                                     {plane.tip, wind.tip, false, false},
                                     {plane.tail, wind.tail, true, true}}};
    for (const Pair& pair : pairs) {
        if (!handlesTouch(pair.planeEnd, pair.windEnd))
            continue;
        Shape& moving = windMoves ? pair.windEnd : pair.planeEnd;
        const Shape& fixed = windMoves ? pair.planeEnd : pair.windEnd;
        moving.left = fixed.left;
        moving.top = fixed.top;
        const ArrowHandles& arrow = windMoves ? wind : plane;
        const ArrowOffsets& lengths = windMoves ? windLengths : planeLengths;
        if (windMoves ? pair.windEndIsTail : pair.planeEndIsTail)
            relayFromTail(arrow, lengths);
        else
            relayFromTip(arrow, lengths);
        scene.vectorsJoined = true;
        return;
    }
}

} // namespace

Shape& shapeOf(Scene& scene, ShapeId id) {
    static constexpr std::array<Shape Scene::*, 7> shapes{
        &Scene::planesh,  &Scene::Startsh,   &Scene::stopsh, &Scene::windshm,
        &Scene::planeshm, &Scene::resultshm, &Scene::movesh};
    return scene.*shapes.at(static_cast<std::size_t>(id));
}

void planeshMouseDown(Scene& scene) {
    scene.dragging = true;
}

void planeshMouseMove(Scene& scene, ShapeId sender, int x, int y) {
    if (!scene.dragging)
        return;
    switch (sender) {
    case ShapeId::planesh:
        followPointer(scene.planesh, x, y);
        keepCentreOnPicture(scene.planesh);
        airbtClick(scene);
        break;
    case ShapeId::Startsh:
    case ShapeId::stopsh:
        markerStep(scene, shapeOf(scene, sender), x, y);
        break;
    default:
        break;
    }
}

void windshmMouseMove(Scene& scene, ShapeId sender, int x, int y) {
    if (!scene.dragging)
        return;
    if (sender != ShapeId::windshm && sender != ShapeId::planeshm && sender != ShapeId::resultshm)
        return;
    scene.vectorsJoined = false;
    Shape& middle = shapeOf(scene, sender);
    followPointer(middle, x, y);
    holdOnGroundView(middle, waterimWidth);

    relayFromMiddle(windHandles(scene), windOffsets(scene));
    relayFromMiddle(planeHandles(scene), planeOffsets(scene));
    relayFromMiddle(groundHandles(scene), groundOffsets(scene));
    joinArrows(scene, sender == ShapeId::windshm);

    scene.movesh.top = halfway(scene.planeshm.top, scene.windshm.top);
    scene.movesh.left = halfway(scene.planeshm.left, scene.windshm.left);
    airbtClick(scene);
}

void moveshMouseMove(Scene& scene, int x, int y) {
    if (!scene.dragging)
        return;
    Shape& carrier = scene.movesh;
    const int leftBefore = carrier.left;
    const int topBefore = carrier.top;
    const long long windLeft = static_cast<long long>(scene.windshm.left) - carrier.left;
    const long long windTop = static_cast<long long>(scene.windshm.top) - carrier.top;
    const long long planeLeft = static_cast<long long>(scene.planeshm.left) - carrier.left;
    const long long planeTop = static_cast<long long>(scene.planeshm.top) - carrier.top;

    followPointer(carrier, x, y);
    holdOnGroundView(carrier, waterimWidth - 10);
    const int lastX = waterimWidth - 1;
    const int lastY = waterimHeight - 1;
    carrier.left =
        addPixels(leftBefore, carriedShift(static_cast<long long>(carrier.left) - leftBefore,
                                           {allowedShift(centreX(scene.windshm), lastX),
                                            allowedShift(centreX(scene.planeshm), lastX)}));
    carrier.top =
        addPixels(topBefore, carriedShift(static_cast<long long>(carrier.top) - topBefore,
                                          {allowedShift(centreY(scene.windshm), lastY),
                                           allowedShift(centreY(scene.planeshm), lastY)}));

    scene.windshm.left = addPixels(carrier.left, windLeft);
    scene.windshm.top = addPixels(carrier.top, windTop);
    scene.planeshm.left = addPixels(carrier.left, planeLeft);
    scene.planeshm.top = addPixels(carrier.top, planeTop);
    airbtClick(scene);
}

void planeimMouseUp(Scene& scene) {
    scene.dragging = false;
}

void moveshMouseUp(Scene& scene) {
    scene.dragging = false;
    relayFromMiddle(windHandles(scene), windOffsets(scene));
    relayFromMiddle(planeHandles(scene), planeOffsets(scene));
}

} // namespace zephyra
