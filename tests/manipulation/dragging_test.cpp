// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/dragging.h"
#include "scene/scene.h"
#include "support/printers.h"
#include "support/shapes.h"
#include "vectors/velocity_panel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

using namespace zephyra;

namespace {

// A move that brings the sender's centre to where its corner should end up at `corner`.
void dragTo(Scene& scene, ShapeId id, QPoint corner) {
    const Shape& s = shapeOf(scene, id);
    const int x = corner.x() - s.left + s.width / 2;
    const int y = corner.y() - s.top + s.height / 2;
    if (id == ShapeId::movesh)
        moveshMouseMove(scene, x, y);
    else if (id == ShapeId::windshm || id == ShapeId::planeshm || id == ShapeId::resultshm)
        windshmMouseMove(scene, id, x, y);
    else
        planeshMouseMove(scene, id, x, y);
}

// Everything a drag may touch, for comparing a scene before and after.
struct Snapshot {
    std::vector<QPoint> places;
    std::vector<QString> texts;
    double courseAngle;
    bool vectorsJoined;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Scene& s) {
    return {{placeOf(s.planesh), placeOf(s.Startsh), placeOf(s.stopsh), placeOf(s.windshb),
             placeOf(s.windshm), placeOf(s.windsht), placeOf(s.planeshb), placeOf(s.planeshm),
             placeOf(s.planesht), placeOf(s.resultshb), placeOf(s.resultshm), placeOf(s.resultsht),
             placeOf(s.movesh)},
            {s.Startsh.hint, s.stopsh.hint, s.directionlb.caption},
            s.courseAngle,
            s.vectorsJoined};
}

constexpr ShapeId allShapes[] = {ShapeId::planesh, ShapeId::Startsh,  ShapeId::stopsh,
                                 ShapeId::windshm, ShapeId::planeshm, ShapeId::resultshm,
                                 ShapeId::movesh};

} // namespace

TEST(DraggingTest, PressAndReleaseWithoutMovingChangesNothing) {
    Scene scene;
    const Snapshot before = snapshot(scene);
    planeshMouseDown(scene);
    EXPECT_TRUE(scene.dragging);
    planeimMouseUp(scene);
    EXPECT_FALSE(scene.dragging);
    EXPECT_TRUE(snapshot(scene) == before);

    // Releasing the carrier lays the hidden ends around the middles; nothing visible moves.
    const QPoint windMiddle = placeOf(scene.windshm);
    const QPoint planeMiddle = placeOf(scene.planeshm);
    const QPoint carrier = placeOf(scene.movesh);
    planeshMouseDown(scene);
    moveshMouseUp(scene);
    EXPECT_FALSE(scene.dragging);
    EXPECT_EQ(placeOf(scene.windshm), windMiddle);
    EXPECT_EQ(placeOf(scene.planeshm), planeMiddle);
    EXPECT_EQ(placeOf(scene.movesh), carrier);
    EXPECT_EQ(placeOf(scene.windsht), windMiddle + QPoint(40, 0));
    EXPECT_EQ(placeOf(scene.planeshb), planeMiddle - QPoint(40, 0));
}

TEST(DraggingTest, MovesWithoutAPressDoNothing) {
    for (ShapeId id : allShapes) {
        Scene scene;
        const Snapshot before = snapshot(scene);
        dragTo(scene, id, {300, 300});
        EXPECT_TRUE(snapshot(scene) == before) << "shape " << static_cast<int>(id);
    }
}

TEST(DraggingTest, PlaneStartFollowsThePointer) {
    Scene scene;
    planeshMouseDown(scene);
    planeshMouseMove(scene, ShapeId::planesh, 10, 10);
    EXPECT_EQ(placeOf(scene.planesh), QPoint(222, 238));
}

// The picture spans (2, 16) to (579, 534) in the box; a dragged centre stops on its last pixel.
TEST(DraggingTest, PlaneStartAndMarkersKeepTheirCentresOnThePicture) {
    struct Case {
        ShapeId id;
        QPoint pointer;
        QPoint corner;
    };
    const Case cases[] = {
        {ShapeId::planesh, {-1000, 2000}, {-2, 530}}, {ShapeId::planesh, {5000, -5000}, {575, 12}},
        {ShapeId::Startsh, {-1000, -1000}, {-6, 8}},  {ShapeId::stopsh, {1000, 1000}, {571, 526}},
        {ShapeId::stopsh, {100, -10}, {571, 334}},
    };
    for (const Case& c : cases) {
        Scene scene;
        planeshMouseDown(scene);
        planeshMouseMove(scene, c.id, c.pointer.x(), c.pointer.y());
        EXPECT_EQ(placeOf(shapeOf(scene, c.id)), c.corner) << static_cast<int>(c.id);
    }
}

// The start marker stands at (112, 352) and the finish at (488, 352) until one is dragged.
TEST(DraggingTest, MarkerStepWritesHintsCourseAngleAndLabel) {
    struct Case {
        const char* what;
        ShapeId dragged;
        QPoint to;
        int distanceScale;
        const char* unit;
        const char* hint;
        const char* label;
        double courseAngle;
    };
    const Case cases[] = {
        {"designed places",
         ShapeId::stopsh,
         {488, 352},
         0,
         " m",
         " 0.0 m [S] and \r75.2 m [E] ",
         "Direction:   75.2  m [E]",
         0.0},
        {"same spot",
         ShapeId::stopsh,
         {112, 352},
         0,
         " m",
         " 0.0 m [S] and \r 0.0 m [E] ",
         "Direction:    0.0  m [S]",
         3 * std::numbers::pi / 2},
        {"start below the finish",
         ShapeId::Startsh,
         {488, 452},
         0,
         " m",
         "20.0 m [N] and \r 0.0 m [E] ",
         "Direction:   20.0  m [N]",
         std::numbers::pi / 2},
        {"north-west, km",
         ShapeId::stopsh,
         {100, 300},
         2,
         " km",
         "52.0 km [N] and \r12.0 km [W] ",
         "Direction:   53.4  km [N 12° W]",
         std::atan(52.0 / -12.0) + std::numbers::pi},
        {"far corner of the picture",
         ShapeId::stopsh,
         {-6, 526},
         5,
         " m",
         "1740.0 m [S] and \r1180.0 m [W] ",
         "Direction: 2102.4  m [S 34° W]",
         std::atan2(-174.0, -118.0) + 2 * std::numbers::pi},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scene scene;
        scene.distanceScale = c.distanceScale;
        scene.distanceUnit = QString::fromLatin1(c.unit);
        planeshMouseDown(scene);
        dragTo(scene, c.dragged, c.to);
        EXPECT_EQ(placeOf(shapeOf(scene, c.dragged)), c.to);
        EXPECT_EQ(scene.Startsh.hint, QString::fromUtf8(c.hint));
        EXPECT_EQ(scene.stopsh.hint, QString::fromUtf8(c.hint));
        EXPECT_EQ(scene.directionlb.caption, QString::fromUtf8(c.label));
        EXPECT_DOUBLE_EQ(scene.courseAngle, c.courseAngle);
    }
}

TEST(DraggingTest, MiddleHandlesStayOnTheGroundView) {
    const std::pair<QPoint, QPoint> cases[] = {{{5000, 5000}, {578, 519}},
                                               {{-5000, -5000}, {0, 16}},
                                               {{300, 0}, {300, 16}},
                                               {{600, 200}, {578, 200}},
                                               {{578, 519}, {578, 519}}};
    for (auto [target, expected] : cases) {
        Scene scene;
        planeshMouseDown(scene);
        dragTo(scene, ShapeId::resultshm, target);
        EXPECT_EQ(placeOf(scene.resultshm), expected) << "to " << target.x() << ", " << target.y();
    }
}

TEST(DraggingTest, MiddleStepLaysAllArrowsFromTheirMiddlesAndCentresTheCarrier) {
    Scene scene;
    scene.planeAngle = std::numbers::pi / 2;
    scene.resultantsb.position = 100;
    scene.groundAngle = std::numbers::pi;
    put(scene.windshm, {-7, 100});
    planeshMouseDown(scene);
    dragTo(scene, ShapeId::planeshm, {0, 301});
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(0, 301));
    EXPECT_EQ(placeOf(scene.planesht), QPoint(0, 261));
    EXPECT_EQ(placeOf(scene.planeshb), QPoint(0, 341));
    EXPECT_EQ(placeOf(scene.windshb), QPoint(-47, 100));
    EXPECT_EQ(placeOf(scene.windsht), QPoint(33, 100));
    EXPECT_EQ(placeOf(scene.resultshb), QPoint(492, 408));
    EXPECT_EQ(placeOf(scene.resultsht), QPoint(452, 408));
    // Halving truncates toward zero: (-7 + 0) / 2 is -3.
    EXPECT_EQ(placeOf(scene.movesh), QPoint(-3, 200));
    EXPECT_FALSE(scene.vectorsJoined);
}

// Wind and plane 20.0 toward East, plane middle at (300, 300): its tail is at (260, 300).
TEST(DraggingTest, WindTipSnapsOntoThePlaneTailWithinFourPixels) {
    const std::pair<QPoint, bool> cases[] = {{{4, 4}, true},  {{-4, -4}, true}, {{4, -4}, true},
                                             {{5, 0}, false}, {{0, 5}, false},  {{-5, 3}, false}};
    for (auto [gap, joins] : cases) {
        SCOPED_TRACE(testing::Message() << "gap " << gap.x() << ", " << gap.y());
        Scene scene;
        put(scene.planeshm, {300, 300});
        planeshMouseDown(scene);
        dragTo(scene, ShapeId::windshm, QPoint(220, 300) + gap);
        EXPECT_EQ(scene.vectorsJoined, joins);
        if (joins) {
            EXPECT_EQ(placeOf(scene.windsht), QPoint(260, 300));
            EXPECT_EQ(placeOf(scene.windshm), QPoint(220, 300));
            EXPECT_EQ(placeOf(scene.windshb), QPoint(180, 300));
        } else {
            EXPECT_EQ(placeOf(scene.windshm), QPoint(220, 300) + gap);
        }
        EXPECT_EQ(placeOf(scene.planeshb), QPoint(260, 300));
        EXPECT_EQ(placeOf(scene.planeshm), QPoint(300, 300));
    }
}

TEST(DraggingTest, DraggingThePlaneOrTheGroundArrowSnapsThePlane) {
    for (ShapeId sender : {ShapeId::planeshm, ShapeId::resultshm}) {
        SCOPED_TRACE(static_cast<int>(sender));
        Scene scene;
        put(scene.windshm, {220, 300});
        put(scene.planeshm, {303, 302});
        planeshMouseDown(scene);
        if (sender == ShapeId::planeshm)
            dragTo(scene, sender, {303, 302});
        else
            dragTo(scene, sender, {100, 450});
        EXPECT_TRUE(scene.vectorsJoined);
        EXPECT_EQ(placeOf(scene.windshm), QPoint(220, 300));
        EXPECT_EQ(placeOf(scene.windsht), QPoint(260, 300));
        EXPECT_EQ(placeOf(scene.planeshb), QPoint(260, 300));
        EXPECT_EQ(placeOf(scene.planeshm), QPoint(300, 300));
        EXPECT_EQ(placeOf(scene.planesht), QPoint(340, 300));
    }
}

TEST(DraggingTest, HeadToTailWinsWhenBothEndsAreWithinReach) {
    Scene scene;
    scene.planespeedsb.position = 190;
    scene.planeAngle = std::numbers::pi;
    put(scene.planeshm, {201, 200});
    planeshMouseDown(scene);
    dragTo(scene, ShapeId::windshm, {200, 200});
    EXPECT_EQ(placeOf(scene.windsht), QPoint(239, 200));
    EXPECT_EQ(placeOf(scene.windshm), QPoint(199, 200));
    EXPECT_EQ(placeOf(scene.windshb), QPoint(159, 200));
}

// The carrier holds itself on the ground view, and stops where a carried middle's centre
// reaches the edge of the picture: the wind middle 80 px above it, the plane middle 104 below.
TEST(DraggingTest, CarrierStaysOnTheGroundViewAndCarriesBothMiddles) {
    const std::pair<QPoint, QPoint> cases[] = {
        {{5000, 192}, {568, 192}}, {{-5000, -5000}, {0, 93}}, {{300, 5000}, {300, 427}}};

    for (auto [target, expected] : cases) {
        Scene scene;
        const QPoint wind = placeOf(scene.windshm) - placeOf(scene.movesh);
        const QPoint plane = placeOf(scene.planeshm) - placeOf(scene.movesh);
        const QPoint windTip = placeOf(scene.windsht);
        const QPoint ground = placeOf(scene.resultshm);
        scene.vectorsJoined = true;
        planeshMouseDown(scene);
        dragTo(scene, ShapeId::movesh, target);
        EXPECT_EQ(placeOf(scene.movesh), expected);
        EXPECT_EQ(placeOf(scene.windshm), expected + wind);
        EXPECT_EQ(placeOf(scene.planeshm), expected + plane);
        EXPECT_EQ(placeOf(scene.windsht), windTip);
        EXPECT_EQ(placeOf(scene.resultshm), ground);
        EXPECT_TRUE(scene.vectorsJoined);
    }
}

// A motion file may leave a middle off the picture; the carrier may bring it back, no further.
TEST(DraggingTest, ACarriedMiddleOffThePictureMayOnlyComeBack) {
    Scene scene;
    put(scene.planeshm, {-100, 296});
    planeshMouseDown(scene);
    dragTo(scene, ShapeId::movesh, {430, 192});
    EXPECT_EQ(placeOf(scene.movesh), QPoint(480, 192));
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(-100, 296));
    dragTo(scene, ShapeId::movesh, {530, 192});
    EXPECT_EQ(placeOf(scene.movesh), QPoint(530, 192));
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(-50, 296));
    EXPECT_EQ(placeOf(scene.windshm), QPoint(530, 112));
}

TEST(DraggingTest, JoinSurvivesACarrierDragExactly) {
    Scene scene;
    scene.planespeedsb.position = 123;
    scene.planeAngle = 1.0;
    put(scene.planeshm, {300, 300});
    planeshMouseDown(scene);
    const QPoint planeTail(300 - 13, 300 + 20); // half offset (13.29, 20.70) truncated
    dragTo(scene, ShapeId::windshm, planeTail - QPoint(40, 0) + QPoint(2, -3));
    ASSERT_TRUE(scene.vectorsJoined);
    planeimMouseUp(scene);

    planeshMouseDown(scene);
    dragTo(scene, ShapeId::movesh, placeOf(scene.movesh) + QPoint(37, -21));
    moveshMouseUp(scene);
    EXPECT_FALSE(scene.dragging);
    EXPECT_TRUE(scene.vectorsJoined);
    EXPECT_EQ(placeOf(scene.windsht), placeOf(scene.planeshb));
    EXPECT_EQ(placeOf(scene.windsht), planeTail + QPoint(37, -21));
}

TEST(DraggingTest, ShapesAtTheIntLimitsStayDefined) {
    constexpr int big = std::numeric_limits<int>::max();
    constexpr int small = std::numeric_limits<int>::min();
    Scene scene;
    put(scene.windshm, {big, small});
    put(scene.planeshm, {small, big});
    planeshMouseDown(scene);
    // Each middle lies off the picture on the side the carrier heads to, so nothing moves.
    dragTo(scene, ShapeId::movesh, {568, 16});
    EXPECT_EQ(placeOf(scene.movesh), QPoint(480, 192));
    EXPECT_EQ(placeOf(scene.windshm), QPoint(big, small));
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(small, big));
    moveshMouseUp(scene);
    EXPECT_EQ(placeOf(scene.windsht), QPoint(big, small));
    EXPECT_EQ(placeOf(scene.planeshb), QPoint(small, big));

    planeshMouseDown(scene);
    dragTo(scene, ShapeId::resultshm, {10, 20});
    EXPECT_EQ(placeOf(scene.movesh), QPoint(0, 0));

    put(scene.Startsh, {big, 352});
    put(scene.stopsh, {small, 352});
    planeshMouseMove(scene, ShapeId::stopsh, 8, 8);
    EXPECT_DOUBLE_EQ(scene.courseAngle, std::numbers::pi);
}

// The wind's tip dragged onto the plane's tail, then speed, scale and direction changed.
TEST(DraggingTest, AJoinMadeByDraggingHoldsThroughPanelChanges) {
    Scene scene;
    scene.planeshm.left = 300;
    scene.planeshm.top = 300;
    planeshMouseDown(scene);
    windshmMouseMove(scene, ShapeId::windshm, 220 - scene.windshm.left + 5,
                     302 - scene.windshm.top + 3);
    planeimMouseUp(scene);
    ASSERT_TRUE(scene.vectorsJoined);
    ASSERT_EQ(placeOf(scene.windsht), QPoint(260, 300));

    setPlaneSpeed(scene, 100);
    EXPECT_EQ(placeOf(scene.windshm), QPoint(220, 300));
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(280, 300));
    EXPECT_EQ(placeOf(scene.planesht), QPoint(300, 300));

    setVectorScale(scene, 100);
    EXPECT_EQ(placeOf(scene.windshm), QPoint(240, 300));
    EXPECT_EQ(placeOf(scene.windshb), QPoint(220, 300));
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(270, 300));

    planeimMouseDown(scene, 50, 0);
    planeimMouseUp(scene);
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(260, 290));
    EXPECT_EQ(placeOf(scene.planesht), QPoint(260, 280));
    EXPECT_EQ(placeOf(scene.windsht), QPoint(260, 300));
}
