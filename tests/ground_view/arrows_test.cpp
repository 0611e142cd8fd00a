// SPDX-License-Identifier: GPL-3.0-or-later
#include "ground_view/arrows.h"

#include "geometry/arrow_geometry.h"
#include "scene/pixels.h"
#include "scene/scene.h"

#include "support/printers.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace zephyra;

namespace {

constexpr double pi = 3.141592653589793;

const QRgb blue = qRgb(0, 0, 255);
const QRgb black = qRgb(0, 0, 0);
const QRgb red = qRgb(255, 0, 0);
const QRgb white = qRgb(255, 255, 255);

} // namespace

TEST(ArrowGeometryTest, ShaftAndHeadStrokes) {
    struct Case {
        const char* name;
        int speed;
        double angle;
        double k;
        QLine shaft;
        QPoint firstHeadEnd;
        QPoint secondHeadEnd;
    };
    // Middle handle centre (100, 100); the head strokes end 6 px back and about 4 px aside.
    const Case cases[] = {
        {"east, default scale", 200, 0.0, 0.2, {60, 100, 140, 100}, {134, 97}, {134, 103}},
        {"speed 0", 0, 0.0, 0.2, {100, 100, 100, 100}, {94, 97}, {94, 103}},
        {"west", 100, pi, 0.2, {120, 100, 80, 100}, {86, 103}, {86, 97}},
        {"scale 1", 200, 0.0, 10.0, {-1900, 100, 2100, 100}, {2094, 97}, {2094, 103}},
        {"large end", 200, 0.0, 0.1, {80, 100, 120, 100}, {114, 97}, {114, 103}},
    };
    for (const Case& c : cases) {
        const ArrowStrokes arrow = arrowStrokes({100, 100}, c.speed, c.angle, c.k);
        EXPECT_EQ(arrow.shaft, c.shaft) << c.name;
        EXPECT_EQ(arrow.head[0].p1(), arrow.shaft.p2()) << c.name;
        EXPECT_EQ(arrow.head[1].p1(), arrow.shaft.p2()) << c.name;
        EXPECT_EQ(arrow.head[0].p2(), c.firstHeadEnd) << c.name;
        EXPECT_EQ(arrow.head[1].p2(), c.secondHeadEnd) << c.name;
    }
}

TEST(ArrowGeometryTest, NorthHasAVerticalShaftAndStrokesBelowTheTip) {
    const ArrowStrokes arrow = arrowStrokes({100, 100}, 200, pi / 2, 0.2);
    EXPECT_EQ(arrow.shaft, QLine(100, 140, 100, 60));
    const QPoint first = arrow.head[0].p2();
    const QPoint second = arrow.head[1].p2();
    EXPECT_EQ(first.y(), 66);
    EXPECT_EQ(second.y(), 66);
    // 8 × cos 60° is 4 only up to rounding, so the side offset may truncate to 3.
    EXPECT_TRUE(first.x() == 96 || first.x() == 97) << first.x();
    EXPECT_TRUE(second.x() == 103 || second.x() == 104) << second.x();
}

TEST(ArrowGeometryTest, DefaultScaleShaftIsEightyPixels) {
    Scene scene;
    const ArrowStrokes arrow =
        arrowStrokes(pictureCentre(scene.windshm), 200, 0.0, arrowFactor(scene));
    const QPoint centre = pictureCentre(scene.windshm);
    EXPECT_EQ(centre, QPoint(481, 99));
    EXPECT_EQ(arrow.shaft.p1(), centre - QPoint(40, 0));
    EXPECT_EQ(arrow.shaft.p2(), centre + QPoint(40, 0));
}

TEST(ArrowGeometryTest, AnAngleThatIsNoNumberDrawsNoShaft) {
    const ArrowStrokes arrow =
        arrowStrokes({10, 10}, 200, std::numeric_limits<double>::quiet_NaN(), 0.2);
    EXPECT_EQ(arrow.shaft, QLine(10, 10, 10, 10));
}

TEST(DrawVectorsTest, ColoursAndOrderOnTheGroundView) {
    Scene scene;
    scene.resultantsb.position = 200;
    scene.waterim.fill(Qt::white);
    drawvectorbtClick(scene);
    // Centres: wind (481, 99), plane (481, 283), ground (473, 395); all pointing East.
    EXPECT_EQ(scene.waterim.pixel(460, 99), blue);
    EXPECT_EQ(scene.waterim.pixel(460, 283), black);
    EXPECT_EQ(scene.waterim.pixel(460, 395), red);
    EXPECT_EQ(scene.waterim.pixel(460, 200), white);

    // Later arrows cover earlier ones: plane over wind, ground over both.
    scene.planeshm.top = scene.windshm.top;
    scene.waterim.fill(Qt::white);
    drawvectorbtClick(scene);
    EXPECT_EQ(scene.waterim.pixel(460, 99), black);
    scene.resultshm.left = scene.windshm.left;
    scene.resultshm.top = scene.windshm.top;
    scene.waterim.fill(Qt::white);
    drawvectorbtClick(scene);
    EXPECT_EQ(scene.waterim.pixel(460, 99), red);
}

TEST(DrawVectorsTest, FollowsTheScaleBarAndLeavesABlackThinPen) {
    Scene scene;
    scene.airspeedsb.position = 0;
    scene.planespeedsb.position = 0;
    scene.timesb.position = 100; // k = 0.1: the ground arrow shrinks to 40 px
    scene.resultantsb.position = 200;
    scene.waterim.fill(Qt::white);
    QPainter canvas(&scene.waterim);
    canvas.setPen(QPen(Qt::green, 5));
    drawvectorbtClick(scene, canvas);
    EXPECT_EQ(canvas.pen().color(), QColor(Qt::black));
    EXPECT_EQ(canvas.pen().width(), 1);
    canvas.end();
    EXPECT_EQ(scene.waterim.pixel(473 + 15, 395), red);
    EXPECT_EQ(scene.waterim.pixel(473 + 30, 395), white);
    EXPECT_EQ(scene.waterim.pixel(473 - 30, 395), white);
}

TEST(ShowVectorsTest, TogglesHandlesAndScaleControls) {
    Scene scene;
    for (bool on : {true, false, true}) {
        Showvectors1Click(scene);
        EXPECT_EQ(scene.showVectors, on);
        for (const Shape* s : {&scene.windshm, &scene.planeshm, &scene.resultshm, &scene.movesh})
            EXPECT_EQ(s->visible, on);
        EXPECT_EQ(scene.timesb.visible, on);
        for (const Shape* s : {&scene.windshb, &scene.windsht, &scene.planeshb, &scene.planesht,
                               &scene.resultshb, &scene.resultsht})
            EXPECT_FALSE(s->visible);
    }
}

TEST(ShowVectorsTest, RepaintShowsAndRemovesTheArrows) {
    Scene scene;
    scene.resultantsb.position = 200;
    Showvectors1Click(scene);
    EXPECT_EQ(scene.waterim.pixel(460, 99), blue);
    const QImage withArrows = scene.waterim;
    Showvectors1Click(scene);
    EXPECT_NE(scene.waterim.pixel(460, 99), blue);
    Showvectors1Click(scene);
    EXPECT_TRUE(scene.waterim == withArrows) << "the arrows came back different";
}
