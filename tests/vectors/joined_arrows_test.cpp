// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/scene.h"
#include "support/printers.h"
#include "support/shapes.h"
#include "vectors/joined_arrows.h"
#include "vectors/velocity_panel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace zephyra;

namespace {

// Wind 20.3 toward East (half 40, full 81: the full offset is not twice the half) and plane
// 10.0 toward North, every handle apart from the others.
Scene separatedArrows() {
    Scene scene;
    scene.vectorsJoined = true;
    scene.airspeedsb.position = 203;
    scene.planespeedsb.position = 100;
    scene.planeAngle = std::numbers::pi / 2;
    put(scene.windshb, {10, 500});
    put(scene.windshm, {10, 400});
    put(scene.windsht, {10, 300});
    put(scene.planeshb, {300, 500});
    put(scene.planeshm, {300, 400});
    put(scene.planesht, {300, 300});
    return scene;
}

} // namespace

TEST(JoinedArrowsTest, TailToTailJointKeepsTheJointAndTakesNewLengths) {
    Scene scene = separatedArrows();
    scene.airspeedsb.position = 200;
    put(scene.windshb, {100, 100});
    put(scene.planeshb, {100, 100});
    lockedbtClick(scene);
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(100, 80));
    EXPECT_EQ(placeOf(scene.planesht), QPoint(100, 60));
    EXPECT_EQ(placeOf(scene.windshm), QPoint(140, 100));
    EXPECT_EQ(placeOf(scene.windsht), QPoint(180, 100));
    EXPECT_EQ(placeOf(scene.windshb), QPoint(100, 100));
    EXPECT_EQ(placeOf(scene.planeshb), QPoint(100, 100));

    scene.timesb.position = 100;
    lockedbtClick(scene);
    EXPECT_EQ(placeOf(scene.windshm), QPoint(120, 100));
    EXPECT_EQ(placeOf(scene.windsht), QPoint(140, 100));
}

TEST(JoinedArrowsTest, EachJointLaysBothArrowsFromTheWindEnd) {
    struct Case {
        const char* joint;
        Shape Scene::*windEnd;
        Shape Scene::*planeEnd;
        QPoint windMiddle, windFar, planeMiddle, planeFar;
        Shape Scene::*windFarEnd;
        Shape Scene::*planeFarEnd;
    };
    const Case cases[] = {
        {"plane tail at wind tip",
         &Scene::windsht,
         &Scene::planeshb,
         {160, 200},
         {119, 200},
         {200, 180},
         {200, 160},
         &Scene::windshb,
         &Scene::planesht},
        {"plane tip at wind tail",
         &Scene::windshb,
         &Scene::planesht,
         {240, 200},
         {281, 200},
         {200, 220},
         {200, 240},
         &Scene::windsht,
         &Scene::planeshb},
        {"plane tip at wind tip",
         &Scene::windsht,
         &Scene::planesht,
         {160, 200},
         {119, 200},
         {200, 220},
         {200, 240},
         &Scene::windshb,
         &Scene::planeshb},
        {"plane tail at wind tail",
         &Scene::windshb,
         &Scene::planeshb,
         {240, 200},
         {281, 200},
         {200, 180},
         {200, 160},
         &Scene::windsht,
         &Scene::planesht},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.joint);
        Scene scene = separatedArrows();
        put(scene.*c.windEnd, {200, 200});
        put(scene.*c.planeEnd, {203, 196});
        lockedbtClick(scene);
        EXPECT_EQ(placeOf(scene.windshm), c.windMiddle);
        EXPECT_EQ(placeOf(scene.*c.windFarEnd), c.windFar);
        EXPECT_EQ(placeOf(scene.planeshm), c.planeMiddle);
        EXPECT_EQ(placeOf(scene.*c.planeFarEnd), c.planeFar);
        EXPECT_EQ(placeOf(scene.*c.windEnd), QPoint(200, 200));
        EXPECT_EQ(placeOf(scene.*c.planeEnd), QPoint(203, 196));
        EXPECT_TRUE(scene.vectorsJoined);
    }
}

TEST(JoinedArrowsTest, EndsTouchWithinFourPixelsOnEachAxis) {
    const std::pair<QPoint, bool> cases[] = {
        {{4, 4}, true},  {{-4, -4}, true}, {{4, -4}, true},  {{5, 0}, false},
        {{0, 5}, false}, {{-5, 0}, false}, {{0, -5}, false}, {{5, 5}, false},
    };
    for (auto [gap, touches] : cases) {
        SCOPED_TRACE(testing::Message() << "gap " << gap.x() << ", " << gap.y());
        Scene scene = separatedArrows();
        put(scene.windshb, {200, 200});
        put(scene.planeshb, QPoint(200, 200) + gap);
        lockedbtClick(scene);
        EXPECT_EQ(placeOf(scene.windshm), touches ? QPoint(240, 200) : QPoint(10, 400));
        EXPECT_EQ(placeOf(scene.planeshm), touches ? QPoint(200, 180) : QPoint(300, 400));
        EXPECT_TRUE(scene.vectorsJoined);
    }
}

TEST(JoinedArrowsTest, HeadToTailWinsOverTipToTip) {
    Scene scene = separatedArrows();
    put(scene.windsht, {200, 200});
    put(scene.planeshb, {201, 201});
    put(scene.planesht, {202, 202});
    lockedbtClick(scene);
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(200, 180));
    EXPECT_EQ(placeOf(scene.planesht), QPoint(200, 160));
    EXPECT_EQ(placeOf(scene.planeshb), QPoint(201, 201));
}

TEST(JoinedArrowsTest, HandlesAtTheIntLimitsOrAnUnreadableAngleStayDefined) {
    constexpr int big = std::numeric_limits<int>::max();
    constexpr int small = std::numeric_limits<int>::min();
    Scene scene = separatedArrows();
    put(scene.windshb, {big, small});
    put(scene.planeshb, {big, small});
    lockedbtClick(scene);
    EXPECT_EQ(placeOf(scene.windsht), QPoint(big, small));
    EXPECT_EQ(placeOf(scene.planesht), QPoint(big, small));

    scene = separatedArrows();
    scene.windAngle = std::nan("");
    scene.planeAngle = std::numeric_limits<double>::infinity();
    put(scene.windshb, {200, 200});
    put(scene.planeshb, {200, 200});
    lockedbtClick(scene);
    EXPECT_EQ(placeOf(scene.windshm), QPoint(200, 200));
    EXPECT_EQ(placeOf(scene.planesht), QPoint(200, 200));
}
