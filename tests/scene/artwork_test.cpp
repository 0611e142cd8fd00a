// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/artwork.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

#include <map>

using namespace zephyra;

namespace {

std::map<QRgb, int> colourCounts(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) & RGB_MASK];
    return counts;
}

const QRgb cyan = qRgb(0, 255, 255) & RGB_MASK;
const QRgb white = qRgb(255, 255, 255) & RGB_MASK;
const QRgb padGreen = qRgb(0, 128, 0) & RGB_MASK;

} // namespace

TEST(ArtworkTest, SkyIsCyanWithSomeWhiteCloudsOnly) {
    const QImage sky = skyTile();
    ASSERT_EQ(sky.size(), QSize(tileSize, tileSize));
    auto counts = colourCounts(sky);
    EXPECT_EQ(counts.size(), 2u);
    EXPECT_GT(counts[cyan], tileSize * tileSize * 3 / 4);
    EXPECT_GT(counts[white], 500);
}

TEST(ArtworkTest, WaterIsCyanWithGreenPadsAndWhiteFlowers) {
    const QImage water = waterTile();
    ASSERT_EQ(water.size(), QSize(tileSize, tileSize));
    auto counts = colourCounts(water);
    EXPECT_GT(counts[cyan], tileSize * tileSize * 3 / 4);
    EXPECT_GT(counts[padGreen], 200);
    EXPECT_GT(counts[white], 10);
}

TEST(ArtworkTest, TilesAreDrawnTheSameEveryTime) {
    EXPECT_EQ(skyTile(), skyTile());
    EXPECT_EQ(waterTile(), waterTile());
}

TEST(ArtworkTest, TurnArrowsRunFromTheDialSideDownToTheOuterCorner) {
    const QColor colours[] = {QColor(0, 0, 255), QColor(0, 0, 0), QColor(255, 0, 0)};
    for (const QColor& colour : colours) {
        const QImage clockwise = turnArrow(colour, true);
        const QImage counter = turnArrow(colour, false);
        ASSERT_EQ(clockwise.size(), QSize(17, 17));
        ASSERT_EQ(counter.size(), QSize(17, 17));
        // Clockwise sits right of the dial: tail at the upper left, head at the lower right.
        EXPECT_EQ(clockwise.pixelColor(2, 2), colour);
        EXPECT_EQ(clockwise.pixelColor(14, 14), colour);
        EXPECT_EQ(clockwise.pixelColor(14, 2), QColor(Qt::white));
        EXPECT_EQ(clockwise.pixelColor(2, 14), QColor(Qt::white));
        // Counter-clockwise sits left of it: the mirror image.
        EXPECT_EQ(counter, clockwise.mirrored(true, false));
        // The head is broad: wider than the shaft across the lower outer corner.
        int headPixels = 0;
        for (int x = 9; x < 17; ++x)
            headPixels += clockwise.pixelColor(x, 14) == colour;
        EXPECT_GE(headPixels, 5);
    }
}
