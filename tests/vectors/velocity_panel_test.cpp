// SPDX-License-Identifier: GPL-3.0-or-later
#include "vectors/velocity_panel.h"

#include "scene/scene.h"
#include "support/printers.h"
#include "support/shapes.h"
#include "support/started_scene.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace zephyra;

namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;
constexpr double turnStep = pi / 18000;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

struct DialCase {
    const char* name;
    void (*press)(Scene&, int, int);
    double Scene::*angle;
    Label Scene::*label;
    const char* prefix;
};

const DialCase dials[] = {
    {"wind", windimMouseDown, &Scene::windAngle, &Scene::airlb, "Wind: 20.0 m/s"},
    {"plane", planeimMouseDown, &Scene::planeAngle, &Scene::planelb, "Plane: 20.0 m/s"},
    {"ground", resultantimMouseDown, &Scene::groundAngle, &Scene::rlb, "Ground: 20.0 m/s"},
};

} // namespace

TEST(VelocityPanelTest, StartedSceneReadsTwentyTowardEast) {
    const Scene scene = startedScene();
    EXPECT_EQ(scene.airlb.caption, QStringLiteral("Wind: 20.0 m/s [E]"));
    EXPECT_EQ(scene.planelb.caption, QStringLiteral("Plane: 20.0 m/s [E]"));
    EXPECT_EQ(scene.rlb.caption, QStringLiteral("Ground: 20.0 m/s [E]"));
    EXPECT_EQ(scene.currentlb.caption, QStringLiteral(" [E]"));
}

TEST(DialTest, PressPositionGivesDirection) {
    struct Press {
        int x;
        int y;
        double angle;
        const char* bearing;
    };
    const Press presses[] = {
        {50, 50, pi / 2, " [N]"},
        {50, 10, pi / 2, " [N]"},
        {50, 90, 3 * pi / 2, " [S]"},
        {90, 50, 0.0, " [E]"},
        {10, 50, pi, " [W]"},
        {99, 49, std::atan(1.0 / 49), " [N 88.8° E]"},
        {60, 60, twoPi - pi / 4, " [S 45.0° E]"}, // stored after normalising
    };
    for (const DialCase& dial : dials) {
        for (const Press& p : presses) {
            Scene scene = startedScene();
            scene.animationPhase = 7;
            dial.press(scene, p.x, p.y);
            EXPECT_DOUBLE_EQ(scene.*dial.angle, p.angle)
                << dial.name << " at " << p.x << "," << p.y;
            EXPECT_EQ((scene.*dial.label).caption, text(dial.prefix) + text(p.bearing))
                << dial.name << " at " << p.x << "," << p.y;
            EXPECT_TRUE(scene.dragging);
            EXPECT_EQ(scene.animationPhase, 0);
        }
    }
}

TEST(DialTest, MovesTurnOnlyWhileDragging) {
    Scene scene = startedScene();
    planeimMouseMove(scene, 50, 10);
    EXPECT_EQ(scene.planeAngle, 0.0);
    EXPECT_EQ(scene.planelb.caption, QStringLiteral("Plane: 20.0 m/s [E]"));

    planeimMouseDown(scene, 50, 10);
    planeimMouseMove(scene, -300, 50); // outside the dial still gives a direction
    EXPECT_DOUBLE_EQ(scene.planeAngle, pi);
    EXPECT_EQ(scene.planelb.caption, QStringLiteral("Plane: 20.0 m/s [W]"));

    scene.dragging = false;
    planeimMouseMove(scene, 50, 90);
    EXPECT_DOUBLE_EQ(scene.planeAngle, pi);
}

TEST(DialTest, DrawsFrameCircleAndRadiusInTheVectorColour) {
    Scene scene = startedScene();
    const QRgb white = qRgb(255, 255, 255);
    windimMouseDown(scene, 50, 10);      // North
    resultantimMouseDown(scene, 90, 50); // East
    struct Pixel {
        const QImage& image;
        int x;
        int y;
        QRgb colour;
    };
    const Pixel pixels[] = {
        {scene.windim, 0, 0, qRgb(0, 0, 255)},       {scene.windim, 99, 99, qRgb(0, 0, 255)},
        {scene.windim, 50, 30, qRgb(0, 0, 255)},     {scene.windim, 70, 50, white},
        {scene.windim, 50, 5, qRgb(0, 0, 255)},      {scene.windim, 50, 2, white},
        {scene.resultantim, 0, 50, qRgb(255, 0, 0)}, {scene.resultantim, 70, 50, qRgb(255, 0, 0)},
        {scene.resultantim, 50, 30, white},          {scene.planeim, 70, 50, qRgb(0, 0, 0)},
    };
    for (const Pixel& p : pixels)
        EXPECT_EQ(p.image.pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(TurnButtonTest, ClockwiseTickAtEastWrapsBelowFullTurn) {
    Scene scene = startedScene();
    Image10MouseDown(scene, 1);
    EXPECT_TRUE(scene.angletrEnabled);
    EXPECT_EQ(scene.windAngle, 0.0); // the press itself takes no step
    angletrTimer(scene);
    EXPECT_DOUBLE_EQ(scene.windAngle, twoPi - turnStep);
    EXPECT_EQ(scene.airlb.caption, text("Wind: 20.0 m/s [S 90.0° E]"));

    Image10MouseDown(scene, 0);
    angletrTimer(scene);
    angletrTimer(scene);
    EXPECT_NEAR(scene.windAngle, turnStep, 1e-12);
    EXPECT_EQ(scene.airlb.caption, text("Wind: 20.0 m/s [N 90.0° E]"));
}

TEST(TurnButtonTest, EachTickTurnsOneHundredthOfADegree) {
    struct Case {
        int tag;
        int ticks;
        double Scene::*angle;
        Label Scene::*label;
        double expected;
        const char* caption;
    };
    const Case cases[] = {
        {0, 100, &Scene::windAngle, &Scene::airlb, 100 * turnStep, "Wind: 20.0 m/s [N 89.0° E]"},
        {2, 10, &Scene::planeAngle, &Scene::planelb, 10 * turnStep, "Plane: 20.0 m/s [N 89.9° E]"},
        {3, 250, &Scene::planeAngle, &Scene::planelb, twoPi - 250 * turnStep,
         "Plane: 20.0 m/s [S 87.5° E]"},
        {4, 30, &Scene::groundAngle, &Scene::rlb, 30 * turnStep, "Ground: 20.0 m/s [N 89.7° E]"},
        {5, 1, &Scene::groundAngle, &Scene::rlb, twoPi - turnStep, "Ground: 20.0 m/s [S 90.0° E]"},
    };
    for (const Case& c : cases) {
        Scene scene = startedScene();
        Image10MouseDown(scene, c.tag);
        for (int i = 0; i < c.ticks; ++i)
            angletrTimer(scene);
        EXPECT_NEAR(scene.*c.angle, c.expected, 1e-12) << "tag " << c.tag;
        EXPECT_EQ((scene.*c.label).caption, text(c.caption)) << "tag " << c.tag;
    }
}

TEST(TurnButtonTest, ReleaseStopsAndUnknownTagsDoNothing) {
    Scene scene = startedScene();
    Image10MouseDown(scene, 4);
    Image10MouseUp(scene);
    EXPECT_FALSE(scene.angletrEnabled);
    angletrTimer(scene);
    EXPECT_EQ(scene.groundAngle, 0.0);

    for (int tag : {-1, 6, 99}) {
        Image10MouseDown(scene, tag);
        EXPECT_FALSE(scene.angletrEnabled) << tag;
        angletrTimer(scene);
    }
    EXPECT_EQ(scene.windAngle, 0.0);
    EXPECT_EQ(scene.planeAngle, 0.0);
    EXPECT_EQ(scene.groundAngle, 0.0);
}

TEST(SpeedBarTest, SpeedChangeKeepsBearingAndDial) {
    Scene scene = startedScene();
    windimMouseDown(scene, 90, 27); // some bearing north of east
    const QString bearing = scene.currentlb.caption;
    // Moved without the direction routine: a speed change must neither re-read the angle
    // nor redraw the dial.
    scene.windAngle = pi;
    const QImage dialBefore = scene.windim;
    scene.animationPhase = 5;
    setWindSpeed(scene, 201);
    EXPECT_EQ(scene.airlb.caption, QStringLiteral("Wind: 20.1 m/s") + bearing);
    EXPECT_EQ(scene.currentlb.caption, bearing);
    EXPECT_EQ(scene.windAngle, pi);
    EXPECT_TRUE(scene.windim == dialBefore) << "the dial was redrawn";
    EXPECT_EQ(scene.animationPhase, 0);
}

TEST(SpeedBarTest, ClampsAndReactsOnlyToChanges) {
    struct Case {
        void (*set)(Scene&, int);
        ScrollBar Scene::*bar;
        Label Scene::*label;
        int value;
        int position;
        const char* caption;
    };
    const Case cases[] = {
        {setWindSpeed, &Scene::airspeedsb, &Scene::airlb, 5000, 1000, "Wind: 100.0 m/s [E]"},
        {setWindSpeed, &Scene::airspeedsb, &Scene::airlb, -3, 0, "Wind: 0.0 m/s [E]"},
        {setPlaneSpeed, &Scene::planespeedsb, &Scene::planelb, 2001, 2000, "Plane: 200.0 m/s [E]"},
        {setPlaneSpeed, &Scene::planespeedsb, &Scene::planelb, 5, 5, "Plane: 0.5 m/s [E]"},
        {setGroundSpeed, &Scene::resultantsb, &Scene::rlb, 99999, 3000, "Ground: 300.0 m/s [E]"},
        // no change: the label is not rewritten
        {setGroundSpeed, &Scene::resultantsb, &Scene::rlb, 200, 200, "untouched"},
        {setWindSpeed, &Scene::airspeedsb, &Scene::airlb, 200, 200, "untouched"},
    };
    for (const Case& c : cases) {
        Scene scene = startedScene();
        (scene.*c.label).caption = QStringLiteral("untouched");
        c.set(scene, c.value);
        EXPECT_EQ((scene.*c.bar).position, c.position) << c.value;
        EXPECT_EQ((scene.*c.label).caption, text(c.caption)) << c.value;
    }
}

TEST(SpeedBarTest, UnitsComeFromTheScene) {
    Scene scene = startedScene();
    scene.speedUnit = QStringLiteral(" km/h");
    setPlaneSpeed(scene, 1234);
    EXPECT_EQ(scene.planelb.caption, QStringLiteral("Plane: 123.4 km/h [E]"));
}

TEST(GroundVectorTest, TurnsAndGrowsAboutItsTail) {
    struct Case {
        int dialX;
        int dialY;
        int speed;
        QPoint middle;
        QPoint tip;
    };
    // The tail handle stays at (424, 424); k is 0.2 at the default scale.
    const Case cases[] = {
        {90, 50, 200, {464, 424}, {504, 424}}, {50, 10, 200, {424, 384}, {424, 344}},
        {50, 10, 100, {424, 404}, {424, 384}}, {60, 40, 200, {452, 396}, {480, 368}},
        {10, 50, 0, {424, 424}, {424, 424}},
    };
    for (const Case& c : cases) {
        Scene scene = startedScene();
        resultantimMouseDown(scene, c.dialX, c.dialY);
        setGroundSpeed(scene, c.speed);
        EXPECT_EQ(placeOf(scene.resultshb), QPoint(424, 424));
        EXPECT_EQ(placeOf(scene.resultshm), c.middle) << c.dialX << "," << c.dialY;
        EXPECT_EQ(placeOf(scene.resultsht), c.tip) << c.dialX << "," << c.dialY;
    }
}

TEST(GroundVectorTest, ScaleChangeReLaysTheGroundArrowFromItsTail) {
    Scene scene = startedScene();
    setVectorScale(scene, 25);
    EXPECT_EQ(placeOf(scene.resultshb), QPoint(424, 424));
    EXPECT_EQ(placeOf(scene.resultshm), QPoint(504, 424));
    EXPECT_EQ(placeOf(scene.resultsht), QPoint(584, 424));
    // The next speed step only grows the arrow by its own share.
    setGroundSpeed(scene, 201);
    EXPECT_EQ(placeOf(scene.resultshm), QPoint(504, 424));
    EXPECT_EQ(placeOf(scene.resultsht), QPoint(584, 424));

    setVectorScale(scene, 0);
    EXPECT_EQ(scene.timesb.position, 1);
    setVectorScale(scene, 500);
    EXPECT_EQ(scene.timesb.position, 100);
    EXPECT_EQ(placeOf(scene.resultshm), QPoint(444, 424));
    EXPECT_EQ(placeOf(scene.windshm), QPoint(480, 112));
}

TEST(GroundViewRepaintTest, HiddenVectorsRepaintOnlyOnDirectionChange) {
    Scene scene = startedScene();
    scene.showVectors = false;
    const QRgb marker = qRgb(1, 2, 3);
    scene.waterim.fill(marker);
    QImage untouched = scene.waterim;

    setWindSpeed(scene, 201);
    setPlaneSpeed(scene, 150);
    setGroundSpeed(scene, 300);
    EXPECT_TRUE(scene.waterim == untouched) << "a speed change repainted hidden vectors";

    windimMouseDown(scene, 50, 10);
    EXPECT_FALSE(scene.waterim == untouched) << "a dial turn did not repaint the ground view";

    scene.showVectors = true;
    scene.waterim.fill(marker);
    setWindSpeed(scene, 250);
    EXPECT_FALSE(scene.waterim == untouched) << "a speed change did not repaint shown vectors";
}

TEST(GroundViewRepaintTest, JoinedArrowsAreReLaidBeforeTheRepaint) {
    Scene scene = startedScene();
    scene.vectorsJoined = true;
    for (Shape* tail : {&scene.windshb, &scene.planeshb})
        put(*tail, {100, 100});

    // The plane now starts at the joint: its middle goes to (120, 100), centre (121, 87).
    setPlaneSpeed(scene, 100);
    EXPECT_EQ(placeOf(scene.planeshm), QPoint(120, 100));
    EXPECT_EQ(scene.waterim.pixel(125, 87), qRgb(0, 0, 0));

    // Turned North, the wind's middle goes to (100, 60), centre (101, 47).
    windimMouseDown(scene, 50, 10);
    EXPECT_EQ(placeOf(scene.windshm), QPoint(100, 60));
    EXPECT_EQ(scene.waterim.pixel(101, 57), qRgb(0, 0, 255));
}

// The guess against wind + plane, in the window's notation, and how far off it is.
TEST(GroundVelocityCheckTest, ComparesTheRedArrowWithWindPlusPlane) {
    Scene scene = startedScene();
    scene.airspeedsb.position = 200;
    scene.windAngle = 0;
    scene.planespeedsb.position = 300;
    scene.planeAngle = pi / 2;
    scene.resultantsb.position = 361;
    scene.groundAngle = (56.31 + 0.5) * pi / 180;
    EXPECT_EQ(groundVelocityCheck(scene),
              QStringLiteral("Your ground velocity: 36.1 m/s [N 33.2° E]. Wind + plane: 36.1 m/s "
                             "[N 33.7° E]. Off by 0.0 m/s and 0.5°."));
    scene.showRiver = true;
    scene.speedUnit = QStringLiteral(" km/h");
    scene.resultantsb.position = 100;
    scene.groundAngle = 3 * pi / 2 + 0.1;
    EXPECT_EQ(groundVelocityCheck(scene),
              QStringLiteral("Your ground velocity: 10.0 km/h [S 5.7° E]. Current + boat: 36.1 "
                             "km/h [N 33.7° E]. Off by 26.1 km/h and 140.6°."));
}
