// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "scene/scene.h"
#include "support/printers.h"
#include "support/started_scene.h"
#include "vectors/velocity_panel.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace zephyra;

TEST(RiverWidthTest, LabelStatesTheWidthInDistanceUnits) {
    struct Case {
        int distanceScale;
        int width;
        const char* label;
    };
    // Index 5 makes 2500.0, wider than the field, written in full.
    const Case cases[] = {{0, 250, "River Width:  50.0 m"},
                          {5, 250, "River Width: 2500.0 m"},
                          {2, 251, "River Width: 251.0 m"},
                          {0, 0, "River Width:   0.0 m"},
                          {0, 500, "River Width: 100.0 m"}};
    for (const Case& c : cases) {
        Scene scene;
        scene.distanceScale = c.distanceScale;
        scene.shoresb.position = c.width == 250 ? 0 : 250;
        setRiverWidth(scene, c.width);
        EXPECT_EQ(scene.shoresb.position, c.width);
        EXPECT_EQ(scene.shorelb.caption, QString::fromLatin1(c.label));
    }
}

TEST(RiverWidthTest, WritesClampAndRunOnlyOnAChange) {
    Scene scene;
    setRiverWidth(scene, 250);
    EXPECT_EQ(scene.shorelb.caption, QStringLiteral("River Width: 50.0")); // designed caption
    setRiverWidth(scene, 900);
    EXPECT_EQ(scene.shoresb.position, 500);
    EXPECT_EQ(scene.shorelb.caption, QStringLiteral("River Width: 100.0 m"));
    setRiverWidth(scene, -3);
    EXPECT_EQ(scene.shoresb.position, 0);
    EXPECT_EQ(scene.shorelb.caption, QStringLiteral("River Width:   0.0 m"));
}

TEST(RiverWidthTest, TakesANewUnitAtOnce) {
    Scene scene;
    setRiverWidth(scene, 249);
    ms1Click(scene, unitsKmH);
    EXPECT_EQ(scene.shorelb.caption, QStringLiteral("River Width:  49.8 km"));
    setRiverWidth(scene, 250);
    EXPECT_EQ(scene.shorelb.caption, QStringLiteral("River Width:  50.0 km"));
}

TEST(ShowRiverTest, SwapsTheTileAndRestoresTheSkyExactly) {
    Scene scene = startedScene();
    const QImage sky = scene.airim.copy();
    const QImage water = scene.wim.copy();
    ASSERT_NE(sky, water);

    ShowShore1Click(scene);
    EXPECT_TRUE(scene.showRiver);
    EXPECT_EQ(scene.airim, water);
    EXPECT_TRUE(scene.shoresb.visible);
    EXPECT_TRUE(scene.shorelb.visible);

    ShowShore1Click(scene);
    EXPECT_FALSE(scene.showRiver);
    EXPECT_EQ(scene.airim, sky);
    EXPECT_FALSE(scene.shoresb.visible);
    EXPECT_FALSE(scene.shorelb.visible);
}

TEST(ShowRiverTest, EveryToggleTurnsTheWindEastAndKeepsItsSpeed) {
    Scene scene = startedScene();
    for (int toggle = 0; toggle < 2; ++toggle) {
        scene.windAngle = std::numbers::pi / 2;
        plotairspeedbtClick(scene);
        ASSERT_EQ(scene.airlb.caption, QStringLiteral("Wind: 20.0 m/s [N]"));
        ShowShore1Click(scene);
        EXPECT_EQ(scene.windAngle, 0.0) << "toggle " << toggle;
        EXPECT_EQ(scene.airspeedsb.position, 200);
        EXPECT_EQ(scene.airlb.caption, QStringLiteral("Wind: 20.0 m/s [E]")) << "toggle " << toggle;
    }
}

TEST(ShowRiverTest, RepaintsWithBanksAndTheWaterTileThenTheSkyAgain) {
    Scene scene = startedScene();
    // At time 0 the tiles start at (-200, -200); column 10 is clear of the figures.
    const QPoint bank(10, 5);
    const QPoint river(10, 259);
    ShowShore1Click(scene);
    EXPECT_EQ(scene.waterim.pixel(bank), qRgb(169, 150, 109));
    EXPECT_EQ(scene.waterim.pixel(river), scene.wim.pixel(10, 59));
    ShowShore1Click(scene);
    EXPECT_EQ(scene.waterim.pixel(bank), scene.aim.pixel(10, 5));
    EXPECT_EQ(scene.waterim.pixel(river), scene.aim.pixel(10, 59));
}

// In river mode the note speaks of the current and the boat; back on the sky it is as designed.
TEST(ShowRiverTest, TheNoteSpeaksOfTheCurrentAndTheBoatOnTheRiver) {
    Scene scene = startedScene();
    const QString sky = scene.notelb.caption;
    ShowShore1Click(scene);
    EXPECT_TRUE(scene.notelb.caption.contains(
        QStringLiteral("Plane: Velocity of the boat relative to the water. (black)")));
    EXPECT_TRUE(scene.notelb.caption.contains(
        QStringLiteral("Wind: Velocity of the current relative to the ground. (blue)")));
    ShowShore1Click(scene);
    EXPECT_EQ(scene.notelb.caption, sky);
}
