// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/pixels.h"
#include "scene/scene.h"
#include "support/printers.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <utility>

using namespace zephyra;

TEST(PixelsTest, CentresOnThePicture) {
    Scene scene;
    EXPECT_EQ(pictureCentre(scene.Startsh), QPoint(118, 344));
    EXPECT_EQ(pictureCentre(scene.stopsh), QPoint(494, 344));
    EXPECT_EQ(planeCentre(scene), QPoint(218, 220));
    scene.windShiftX = 1000;
    scene.planeShiftX = -30;
    scene.windShiftY = -7;
    scene.planeShiftY = 2;
    EXPECT_EQ(planeCentre(scene), QPoint(1188, 215));
}

TEST(PixelsTest, TruncationIsTowardZeroAndDefinedForAnyDouble) {
    const std::pair<double, int> cases[] = {
        {2.7, 2},
        {-2.7, -2},
        {-0.4, 0},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {1e300, INT_MAX},
        {-1e300, INT_MIN},
        {std::numeric_limits<double>::infinity(), INT_MAX},
    };
    for (auto [value, expected] : cases)
        EXPECT_EQ(truncToInt(value), expected) << value;
}
