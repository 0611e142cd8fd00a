// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/scene_description.h"

#include "app/shown.h"
#include "app/translated.h"
#include "scene/language.h"
#include "scene/scene.h"

#include <QStringList>

#include <array>
#include <cstdlib>
#include <limits>

namespace zephyra {

namespace {

struct End {
    const char* name;
    const char* end; // the name without its arrow, said of the arrow described
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
    return windowText(QT_TRANSLATE_NOOP("Trelativefrm", "%1, tail at %2, tip at %3."))
        .arg(spoken(localised(readout.caption)), at(tail), at(tip));
}

const std::array<End, 2> planeEnds{{{QT_TRANSLATE_NOOP("Trelativefrm", "plane arrow's tail"),
                                     QT_TRANSLATE_NOOP("Trelativefrm", "tail"), &Scene::planeshb},
                                    {QT_TRANSLATE_NOOP("Trelativefrm", "plane arrow's tip"),
                                     QT_TRANSLATE_NOOP("Trelativefrm", "tip"), &Scene::planesht}}};
const std::array<End, 2> windEnds{{{QT_TRANSLATE_NOOP("Trelativefrm", "wind arrow's tail"),
                                    QT_TRANSLATE_NOOP("Trelativefrm", "tail"), &Scene::windshb},
                                   {QT_TRANSLATE_NOOP("Trelativefrm", "wind arrow's tip"),
                                    QT_TRANSLATE_NOOP("Trelativefrm", "tip"), &Scene::windsht}}};
const std::array<End, 2> groundEnds{
    {{QT_TRANSLATE_NOOP("Trelativefrm", "ground velocity arrow's tail"),
      QT_TRANSLATE_NOOP("Trelativefrm", "tail"), &Scene::resultshb},
     {QT_TRANSLATE_NOOP("Trelativefrm", "ground velocity arrow's tip"),
      QT_TRANSLATE_NOOP("Trelativefrm", "tip"), &Scene::resultsht}}};

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
        return windowText(QT_TRANSLATE_NOOP("Trelativefrm", "The %1 is joined to the %2."))
            .arg(windowText(pair.ours->name), windowText(pair.theirs->name));
    return windowText(QT_TRANSLATE_NOOP("Trelativefrm", "The %1 is %2 the %3."))
        .arg(windowText(pair.ours->name), placeRelative(pair.offset.x(), pair.offset.y()),
             windowText(pair.theirs->name));
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
    return windowText(QT_TRANSLATE_NOOP("Trelativefrm", ", %1 %2 the %3"))
        .arg(windowText(pair.ours->end), placeRelative(pair.offset.x(), pair.offset.y()),
             windowText(pair.theirs->name));
}

QString placeRelative(int dx, int dy) {
    QStringList parts;
    if (dx != 0)
        parts << windowText(QT_TRANSLATE_NOOP("Trelativefrm", "%1 px %2"))
                     .arg(std::abs(dx))
                     .arg(dx < 0 ? windowText(QT_TRANSLATE_NOOP("Trelativefrm", "left of"))
                                 : windowText(QT_TRANSLATE_NOOP("Trelativefrm", "right of")));
    if (dy != 0)
        parts << windowText(QT_TRANSLATE_NOOP("Trelativefrm", "%1 px %2"))
                     .arg(std::abs(dy))
                     .arg(dy < 0 ? windowText(QT_TRANSLATE_NOOP("Trelativefrm", "above"))
                                 : windowText(QT_TRANSLATE_NOOP("Trelativefrm", "below")));
    return parts.isEmpty() ? windowText(QT_TRANSLATE_NOOP("Trelativefrm", "on"))
                           : parts.join(windowText(QT_TRANSLATE_NOOP("Trelativefrm", " and ")));
}

QString describeScene(const Scene& scene) {
    QStringList said{windowText(
        QT_TRANSLATE_NOOP("Trelativefrm", "Ground view, places in pixels from its top left."))};
    if (scene.showVectors) {
        said << arrow(scene.airlb, scene.windshb, scene.windsht)
             << arrow(scene.planelb, scene.planeshb, scene.planesht)
             << arrow(scene.rlb, scene.resultshb, scene.resultsht);
        said << nearest(scene, planeEnds, windEnds) << nearest(scene, groundEnds, windEnds);
    }
    said << windowText(QT_TRANSLATE_NOOP("Trelativefrm", "Plane start at %1."))
                .arg(at(scene.planesh));
    if (scene.tsb.position > 0)
        said << windowText(
                    QT_TRANSLATE_NOOP("Trelativefrm", "%1, the plane is %2 and %3 from its start."))
                    .arg(spoken(localised(scene.timelb.caption)),
                         spoken(localised(scene.ewlb.caption)),
                         spoken(localised(scene.nslb.caption)));
    if (scene.Startsh.visible)
        said << windowText(QT_TRANSLATE_NOOP("Trelativefrm",
                                             "Start marker at %1, finish marker at %2, %3."))
                    .arg(at(scene.Startsh), at(scene.stopsh),
                         spoken(localised(scene.directionlb.caption)));
    if (scene.showRiver)
        said << windowText(QT_TRANSLATE_NOOP("Trelativefrm", "River shown, %1."))
                    .arg(spoken(localised(scene.shorelb.caption)));
    return said.join(QLatin1Char(' '));
}

QString vectorScaleMeaning(const Scene& scene) {
    // An arrow reaches the factor's pixels per tenth of a speed unit each way from its middle.
    constexpr int tenths = 100;
    //: What the vector scale sets: "10 m/s is drawn 40.0 px long"
    return windowText(QT_TRANSLATE_NOOP("Trelativefrm", "10%1 is drawn %2 px long"))
        .arg(scene.speedUnit, localised(QString::number(2 * tenths * arrowFactor(scene), 'f', 1)));
}

QString distanceScaleMeaning(const Scene& scene, int caption) {
    //: What a distance scale sets: "100 m across 500 px" of the ground view
    return windowText(QT_TRANSLATE_NOOP("Trelativefrm", "%1%2 across 500 px"))
        .arg(caption)
        .arg(scene.distanceUnit);
}

} // namespace zephyra
