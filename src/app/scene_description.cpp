// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scene_description.h"

#include "app/shown.h"
#include "scene/scene.h"

#include <QStringList>

#include <array>
#include <cstdlib>
#include <limits>

namespace zephyra {

namespace {

struct End {
    const char* name;
    Shape Scene::*shape;
};

QPoint centre(const Shape& shape) {
    return {shape.left + shape.width / 2, shape.top + shape.height / 2};
}

QString at(const Shape& shape) {
    const QPoint point = centre(shape);
    return QStringLiteral("%1, %2").arg(point.x()).arg(point.y());
}

QString arrow(const Label& readout, const Shape& tail, const Shape& tip) {
    return QStringLiteral("%1, tail at %2, tip at %3.")
        .arg(spoken(readout.caption), at(tail), at(tip));
}

const std::array<End, 2> planeEnds{
    {{"plane arrow's tail", &Scene::planeshb}, {"plane arrow's tip", &Scene::planesht}}};
const std::array<End, 2> windEnds{
    {{"wind arrow's tail", &Scene::windshb}, {"wind arrow's tip", &Scene::windsht}}};
const std::array<End, 2> groundEnds{{{"ground velocity arrow's tail", &Scene::resultshb},
                                     {"ground velocity arrow's tip", &Scene::resultsht}}};

struct Nearest {
    const End* ours;
    const End* theirs;
    QPoint offset; // from theirs to ours
};

// The two ends nearest each other, one of each list.
Nearest nearestPair(const Scene& scene, const std::array<End, 2>& ours,
                    const std::array<End, 2>& theirs) {
    Nearest found{nullptr, nullptr, {}};
    long best = std::numeric_limits<long>::max();
    for (const End& one : ours)
        for (const End& other : theirs) {
            const QPoint d = centre(scene.*one.shape) - centre(scene.*other.shape);
            const long distance = long(d.x()) * d.x() + long(d.y()) * d.y();
            if (distance < best) {
                best = distance;
                found = {&one, &other, d};
            }
        }
    return found;
}

// The nearest ends as a sentence; joined when they are on each other.
QString nearest(const Scene& scene, const std::array<End, 2>& ours,
                const std::array<End, 2>& theirs) {
    const Nearest pair = nearestPair(scene, ours, theirs);
    if (pair.offset.isNull())
        return QStringLiteral("The %1 is joined to the %2.")
            .arg(QLatin1String(pair.ours->name), QLatin1String(pair.theirs->name));
    return QStringLiteral("The %1 is %2 the %3.")
        .arg(QLatin1String(pair.ours->name), placeRelative(pair.offset.x(), pair.offset.y()),
             QLatin1String(pair.theirs->name));
}

} // namespace

QString nearestEnd(const Scene& scene, Arrow arrow) {
    const std::array<End, 2> groundTail{{groundEnds[0], groundEnds[0]}};
    const std::array<End, 2> windTail{{windEnds[0], windEnds[0]}};
    const Nearest pair = arrow == Arrow::Wind    ? nearestPair(scene, windEnds, planeEnds)
                         : arrow == Arrow::Plane ? nearestPair(scene, planeEnds, windEnds)
                                                 : nearestPair(scene, groundTail, windTail);
    if (pair.offset.isNull())
        return {};
    // "wind arrow's tail" -> "tail": the arrow is the one described.
    const QString own = QString::fromLatin1(pair.ours->name).section(QLatin1Char(' '), -1);
    return QStringLiteral(", %1 %2 the %3")
        .arg(own, placeRelative(pair.offset.x(), pair.offset.y()),
             QLatin1String(pair.theirs->name));
}

QString placeRelative(int dx, int dy) {
    QStringList parts;
    if (dx != 0)
        parts << QStringLiteral("%1 px %2")
                     .arg(std::abs(dx))
                     .arg(dx < 0 ? QLatin1String("left of") : QLatin1String("right of"));
    if (dy != 0)
        parts << QStringLiteral("%1 px %2")
                     .arg(std::abs(dy))
                     .arg(dy < 0 ? QLatin1String("above") : QLatin1String("below"));
    return parts.isEmpty() ? QStringLiteral("on") : parts.join(QLatin1String(" and "));
}

QString describeScene(const Scene& scene) {
    QStringList said{QStringLiteral("Ground view, places in pixels from its top left.")};
    if (scene.showVectors) {
        said << arrow(scene.airlb, scene.windshb, scene.windsht)
             << arrow(scene.planelb, scene.planeshb, scene.planesht)
             << arrow(scene.rlb, scene.resultshb, scene.resultsht);
        said << nearest(scene, planeEnds, windEnds) << nearest(scene, groundEnds, windEnds);
    }
    said << QStringLiteral("Plane start at %1.").arg(at(scene.planesh));
    if (scene.tsb.position > 0)
        said << QStringLiteral("%1, the plane is %2 and %3 from its start.")
                    .arg(spoken(scene.timelb.caption), spoken(scene.ewlb.caption),
                         spoken(scene.nslb.caption));
    if (scene.Startsh.visible)
        said << QStringLiteral("Start marker at %1, finish marker at %2, %3.")
                    .arg(at(scene.Startsh), at(scene.stopsh), spoken(scene.directionlb.caption));
    if (scene.showRiver)
        said << QStringLiteral("River shown, %1.").arg(spoken(scene.shorelb.caption));
    return said.join(QLatin1Char(' '));
}

QString vectorScaleMeaning(const Scene& scene) {
    // An arrow reaches the factor's pixels per tenth of a speed unit each way from its middle.
    constexpr int tenths = 100;
    return QStringLiteral("10%1 is drawn %2 px long")
        .arg(scene.speedUnit, QString::number(2 * tenths * arrowFactor(scene), 'f', 1));
}

QString distanceScaleMeaning(const Scene& scene, int caption) {
    return QStringLiteral("%1%2 across 500 px").arg(caption).arg(scene.distanceUnit);
}

} // namespace zephyra
