// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/flight_clock.h"
#include "ground_view/ground_view.h"
#include "scene/pixels.h"
#include "support/printers.h"
#include "support/started_scene.h"

#include <gtest/gtest.h>

#include <vector>

using namespace zephyra;

namespace {

constexpr double northAngle = 1.5707963267948966;

struct Flight : ::testing::Test {
    Scene scene = startedScene();
};

} // namespace

TEST_F(Flight, DefaultSceneAfterTenSeconds) {
    setTime(scene, 1000);
    EXPECT_EQ(scene.windShiftX, 1000);
    EXPECT_EQ(scene.planeShiftX, 1000);
    EXPECT_EQ(scene.windShiftY, 0);
    EXPECT_EQ(scene.planeShiftY, 0);
    EXPECT_EQ(scene.ewlb.caption, QStringLiteral("  400.0 m [E]"));
    EXPECT_EQ(scene.nslb.caption, QStringLiteral("    0.0 m [S]"));
    EXPECT_EQ(scene.timelb.caption, QStringLiteral("Time: 10.00 s"));
    EXPECT_FALSE(scene.planesh.visible);
    EXPECT_EQ(scene.animationPhase, 1);
}

TEST_F(Flight, TravelFollowsScaleAndDirection) {
    const struct {
        const char* name;
        int distanceScale;
        double windAngle;
        int planeSpeed;
        int windShiftX, windShiftY, planeShiftX;
        const char* east;
        const char* north;
    } cases[] = {
        {"coarsest scale", 5, 0.0, 200, 20, 0, 20, "  400.0 m [E]", "    0.0 m [S]"},
        {"wind north", 0, northAngle, 200, 0, -1000, 1000, "  200.0 m [E]", "  200.0 m [N]"},
        {"wind south, plane still", 0, 4.71238898038469, 0, 0, 1000, 0, "    0.0 m [W]",
         "  200.0 m [S]"},
        {"scale 2", 2, 0.0, 200, 200, 0, 200, "  400.0 m [E]", "    0.0 m [S]"},
    };
    for (const auto& c : cases) {
        Scene s = startedScene();
        s.distanceScale = c.distanceScale;
        s.windAngle = c.windAngle;
        s.planespeedsb.position = c.planeSpeed;
        setTime(s, 1000);
        EXPECT_EQ(s.windShiftX, c.windShiftX) << c.name;
        EXPECT_EQ(s.windShiftY, c.windShiftY) << c.name;
        EXPECT_EQ(s.planeShiftX, c.planeShiftX) << c.name;
        EXPECT_EQ(s.ewlb.caption, QString::fromLatin1(c.east)) << c.name;
        EXPECT_EQ(s.nslb.caption, QString::fromLatin1(c.north)) << c.name;
    }
}

TEST_F(Flight, TimeLabelHasTwoDecimalsAndTheUnit) {
    const std::pair<int, const char*> cases[] = {{1234, "Time: 12.34 s"},
                                                 {1, "Time: 0.01 s"},
                                                 {10000, "Time: 100.00 s"},
                                                 {0, "Time: 0.00 s"}};
    for (auto [time, text] : cases) {
        setTime(scene, time);
        EXPECT_EQ(scene.timelb.caption, QString::fromLatin1(text));
    }
    scene.timeUnit = QStringLiteral(" h");
    setTime(scene, 50);
    EXPECT_EQ(scene.timelb.caption, QStringLiteral("Time: 0.50 h"));
}

TEST_F(Flight, StartStopContinue) {
    const struct {
        bool running;
        const char* caption;
    } presses[] = {{true, "&Stop"}, {false, "&Continue"}, {true, "&Stop"}};
    for (const auto& expected : presses) {
        timerbtClick(scene);
        EXPECT_EQ(scene.running, expected.running);
        EXPECT_EQ(scene.timerbtCaption, QString::fromLatin1(expected.caption));
        // The marker hides as soon as the button is pressed, even at time 0.
        EXPECT_FALSE(scene.planesh.visible);
        EXPECT_EQ(scene.tsb.position, 0);
    }
}

TEST_F(Flight, TimeFactorThreeRunsToTheEndAndStops) {
    setTimeFactor(scene, 3);
    timerbtClick(scene);
    std::vector<int> times;
    while (scene.running && times.size() < 5000) {
        windtrTimer(scene);
        times.push_back(scene.tsb.position);
    }
    ASSERT_EQ(times.size(), 3334u);
    EXPECT_EQ(times[0], 3);
    EXPECT_EQ(times[1], 6);
    EXPECT_EQ(times[3332], 9999);
    EXPECT_EQ(times[3333], 10000);
    EXPECT_EQ(scene.timerbtCaption, QStringLiteral("&Continue"));
    EXPECT_EQ(scene.animationPhase, 3334);

    // Finished: pressing the button runs the timer again, but nothing moves.
    timerbtClick(scene);
    EXPECT_TRUE(scene.running);
    windtrTimer(scene);
    EXPECT_EQ(scene.tsb.position, 10000);
    EXPECT_EQ(scene.animationPhase, 3334);
}

TEST_F(Flight, RepeatRestartsAtZeroAndKeepsRunning) {
    scene.repeat = true;
    timerbtClick(scene);
    setTime(scene, 9998);
    ASSERT_GT(scene.animationPhase, 0);
    windtrTimer(scene);
    EXPECT_EQ(scene.tsb.position, 0);
    EXPECT_TRUE(scene.running);
    EXPECT_EQ(scene.timerbtCaption, QStringLiteral("&Stop"));
    EXPECT_EQ(scene.animationPhase, 0);
    EXPECT_EQ(scene.windShiftX, 0);
    EXPECT_EQ(scene.timelb.caption, QStringLiteral("Time: 0.00 s"));
    EXPECT_TRUE(scene.planesh.visible);
    windtrTimer(scene);
    EXPECT_EQ(scene.tsb.position, 2);
}

TEST_F(Flight, AnimationPhaseCountsTimeChangesUntilTimeReturnsToZero) {
    for (int t : {5, 3, 900})
        setTime(scene, t);
    EXPECT_EQ(scene.animationPhase, 3);
    setTime(scene, 900); // no change, no count
    EXPECT_EQ(scene.animationPhase, 3);
    setTime(scene, -40); // clamped to 0
    EXPECT_EQ(scene.tsb.position, 0);
    EXPECT_EQ(scene.animationPhase, 0);
    EXPECT_TRUE(scene.planesh.visible);
}

TEST_F(Flight, DraggingTheSliderKeepsTheClockState) {
    setTime(scene, 4000);
    EXPECT_FALSE(scene.running);
    EXPECT_EQ(scene.timerbtCaption, QStringLiteral("&Start"));
    timerbtClick(scene);
    setTime(scene, 200);
    EXPECT_TRUE(scene.running);
}

TEST_F(Flight, ResetReturnsToReadyFromAFlight) {
    timerbtClick(scene);
    for (int i = 0; i < 10; ++i)
        windtrTimer(scene);
    resetbt1Click(scene);
    EXPECT_FALSE(scene.running);
    EXPECT_EQ(scene.timerbtCaption, QStringLiteral("&Start"));
    EXPECT_EQ(scene.tsb.position, 0);
    EXPECT_TRUE(scene.planesh.visible);
    EXPECT_EQ(scene.windShiftX, 0);
    EXPECT_EQ(scene.planeShiftX, 0);
    EXPECT_EQ(scene.animationPhase, 0);
    EXPECT_EQ(scene.ewlb.caption, QStringLiteral("    0.0 m [W]"));
    EXPECT_EQ(scene.nslb.caption, QStringLiteral("    0.0 m [S]"));
}

TEST_F(Flight, ResetAtTimeZeroSkipsTheTimeChangeButRedraws) {
    scene.waterim.fill(Qt::magenta);
    resetbt1Click(scene);
    EXPECT_EQ(scene.ewlb.caption, QStringLiteral("0 m [E]"));
    EXPECT_EQ(scene.nslb.caption, QStringLiteral("0 m [N]"));
    EXPECT_NE(scene.waterim.pixelColor(0, 0), QColor(Qt::magenta));
}

TEST_F(Flight, ZeroingTheTravelRebuildsTheVelocityLabels) {
    scene.windShiftX = 37;
    scene.planeShiftY = -12;
    scene.airlb.caption.clear();
    scene.planelb.caption.clear();
    scene.rlb.caption.clear();
    resetbtClick(scene);
    EXPECT_EQ(scene.windShiftX, 0);
    EXPECT_EQ(scene.planeShiftY, 0);
    EXPECT_EQ(scene.airlb.caption, QStringLiteral("Wind: 20.0 m/s [E]"));
    EXPECT_EQ(scene.planelb.caption, QStringLiteral("Plane: 20.0 m/s [E]"));
    EXPECT_EQ(scene.rlb.caption, QStringLiteral("Ground: 20.0 m/s [E]"));
}

TEST_F(Flight, TimeFactorLabelShowsTheFactorFromTheStart) {
    EXPECT_EQ(scene.timefactorlb.caption, QStringLiteral("Time Factor: 2"));
    const std::pair<int, const char*> cases[] = {
        {5, "Time Factor: 5"}, {50, "Time Factor: 10"}, {0, "Time Factor: 1"}};
    for (auto [factor, text] : cases) {
        setTimeFactor(scene, factor);
        EXPECT_EQ(scene.timefactorlb.caption, QString::fromLatin1(text));
    }
}

TEST_F(Flight, ANewDistanceScaleTakesEffectAtTheNextTimeChange) {
    setTime(scene, 1000);
    scene.distanceScale = 5;
    EXPECT_EQ(scene.windShiftX, 1000);
    setTime(scene, 1001);
    EXPECT_EQ(scene.windShiftX, 20);
}

TEST_F(Flight, ScaleIndexOutsideTheTableReadsAsTheNearestEnd) {
    scene.distanceScale = 17;
    setTime(scene, 1000);
    EXPECT_EQ(scene.windShiftX, 20);
    scene.distanceScale = -1;
    setTime(scene, 1001);
    EXPECT_EQ(scene.windShiftX, 1001);
}

TEST_F(Flight, DistanceScaleNeitherRedrawsNorMovesThePlane) {
    scene.showVectors = false;
    setTime(scene, 500);
    scene.waterim.fill(Qt::magenta);
    const int shift = scene.windShiftX;
    setDistanceScale(scene, 3);
    EXPECT_EQ(scene.windShiftX, shift);
    EXPECT_EQ(scene.waterim.pixelColor(5, 5), QColor(Qt::magenta));
}

// Show Path: off, no track; on, the plane's places since time 0, drawn from the plane start;
// Reset and switching it off clear it.
TEST_F(Flight, ShowPathTracksThePlaneOverTheGroundUntilClearedAgain) {
    scene.showVectors = false;
    const auto fly = [&](int until) {
        for (int time = 2; time <= until; time += 2)
            setTime(scene, time);
    };
    const QPoint start = pictureCentre(scene.planesh);
    const QPoint halfway = start + QPoint(100, 0); // 20 + 20 m/s east: 4 px a step
    fly(100);
    EXPECT_TRUE(scene.path.empty());
    const QColor sky = scene.waterim.pixelColor(halfway);

    ShowPath1Click(scene);
    resetbt1Click(scene);
    fly(100);
    ASSERT_EQ(scene.path.size(), 50U);
    EXPECT_EQ(scene.path.front(), start + QPoint(4, 0));
    EXPECT_EQ(scene.path.back(), planeCentre(scene));
    EXPECT_EQ(scene.waterim.pixelColor(halfway), QColor(230, 110, 0));
    setTime(scene, 100); // the same place again adds nothing
    EXPECT_EQ(scene.path.size(), 50U);

    resetbt1Click(scene);
    EXPECT_TRUE(scene.path.empty());
    fly(100);
    ShowPath1Click(scene);
    EXPECT_FALSE(scene.showPath);
    EXPECT_TRUE(scene.path.empty());
    EXPECT_EQ(scene.waterim.pixelColor(halfway), sky);
}
