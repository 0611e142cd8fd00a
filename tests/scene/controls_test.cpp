// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/controls.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

using namespace zephyra;

TEST(ScrollBarTest, ClampsAndReportsOnlyRealChanges) {
    ScrollBar bar{0, 10000, 0, 10};
    int reactions = 0;
    setPosition(bar, 0, [&] { ++reactions; });
    EXPECT_EQ(reactions, 0);
    setPosition(bar, 10002, [&] { ++reactions; });
    EXPECT_EQ(bar.position, 10000);
    EXPECT_EQ(reactions, 1);
    setPosition(bar, 12000, [&] { ++reactions; });
    EXPECT_EQ(reactions, 1);
    setPosition(bar, -5, [&] { ++reactions; });
    EXPECT_EQ(bar.position, 0);
    EXPECT_EQ(reactions, 2);
}

TEST(SceneTest, DistanceScaleIsNeverReadOutsideTheTable) {
    Scene scene;
    const std::pair<int, double> cases[] = {{0, 0.2}, {2, 1}, {5, 10}, {-1, 0.2}, {7, 10}};
    for (auto [index, expected] : cases) {
        scene.distanceScale = index;
        EXPECT_DOUBLE_EQ(currentMetresPerPixel(scene), expected) << "index " << index;
    }
}
