// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "scene/scene.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace zephyra;

TEST(UnitsTest, RelabelsEveryQuantityAndConvertsNone) {
    struct Case {
        int tag;
        int time;
        const char* caption;
        const char* distance;
        const char* speed;
        const char* timeLabel;
        const char* wind;
    };
    const Case cases[] = {
        {unitsKmH, 0, "Units: km, h", " km", " km/h", "Time: 0.00 h", "Wind: 20.0 km/h [E]"},
        {unitsMS, 1234, "Units: m,s", " m", " m/s", "Time: 12.34 s", "Wind: 20.0 m/s [E]"},
        {unitsKmH, 10000, "Units: km, h", " km", " km/h", "Time: 100.00 h", "Wind: 20.0 km/h [E]"},
    };
    for (const Case& c : cases) {
        Scene scene;
        scene.tsb.position = c.time;
        ms1Click(scene, c.tag);
        EXPECT_EQ(scene.unitsTag, c.tag);
        EXPECT_EQ(scene.units1Caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(scene.distanceUnit, QString::fromUtf8(c.distance));
        EXPECT_EQ(scene.speedUnit, QString::fromUtf8(c.speed));
        EXPECT_EQ(scene.timelb.caption, QString::fromUtf8(c.timeLabel));
        EXPECT_EQ(scene.airlb.caption, QString::fromUtf8(c.wind));
        EXPECT_EQ(scene.tsb.position, c.time);
        EXPECT_EQ(scene.airspeedsb.position, 200);
    }
}

// Switching units relabels every text with a distance at once and keeps its number.
TEST(UnitsTest, EveryDistanceTakesTheNewUnitAtOnceAndKeepsItsNumber) {
    Scene scene;
    setRiverWidth(scene, 300);
    scene.nslb.caption = QStringLiteral("   12.5 m [N]");
    scene.Startsh.hint = QStringLiteral("0.2 m [S] and \r75.2 m [E] ");
    const Scene before = scene;
    ms1Click(scene, unitsKmH);
    EXPECT_EQ(scene.directionlb.caption, QStringLiteral("Direction: 100.0 km [E]"));
    EXPECT_EQ(scene.shorelb.caption, QStringLiteral("River Width:  60.0 km"));
    EXPECT_EQ(scene.nslb.caption, QStringLiteral("   12.5 km [N]"));
    EXPECT_EQ(scene.ewlb.caption, QStringLiteral("0 km [E]"));
    EXPECT_EQ(scene.Startsh.hint, QStringLiteral("0.2 km [S] and \r75.2 km [E] "));
    EXPECT_EQ(scene.planelb.caption, QStringLiteral("Plane: 20.0 km/h [E]"));
    ms1Click(scene, unitsMS);
    for (const auto text : {&Scene::directionlb, &Scene::shorelb, &Scene::nslb, &Scene::ewlb})
        EXPECT_EQ((scene.*text).caption, (before.*text).caption);
    EXPECT_EQ(scene.Startsh.hint, before.Startsh.hint);
}

TEST(DisplacementBoxTest, ToggleChangesOnlyVisibility) {
    Scene scene;
    scene.nslb.caption = QStringLiteral("   12.5 m [N]");
    for (bool expected : {true, false, true}) {
        Showposition1Click(scene);
        EXPECT_EQ(scene.showDisplacement, expected);
        EXPECT_EQ(scene.posgbVisible, expected);
        EXPECT_EQ(scene.nslb.caption, QStringLiteral("   12.5 m [N]"));
        EXPECT_EQ(scene.ewlb.caption, QStringLiteral("0 m [E]"));
        EXPECT_EQ(scene.timelb.caption, QStringLiteral("Time: 0.00 s"));
        EXPECT_EQ(scene.tsb.position, 0);
    }
}
