// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures drawn anew at a scale: the ground view (here with the river shown), the air
// tiles, a dial, a turn arrow.
#include "ground_view/ground_view.h"
#include "manipulation/copy_selection.h"
#include "manipulation/river.h"
#include "scene/artwork.h"
#include "support/fake_platform.h"
#include "support/printers.h"
#include "support/started_scene.h"
#include "vectors/dial.h"

#include <gtest/gtest.h>

using namespace zephyra;

namespace {

// Every designed pixel whose neighbours up to two pixels away all share its colour is a block
// of scale × scale pixels of that colour at an integer scale: nothing moved by a fraction of a
// pixel (a curve, drawn anew, may come a little closer). Returns how many pixels were checked.
int flatPixelsKeepTheirPlace(const QImage& designed, const QImage& scaled, int scale) {
    EXPECT_EQ(scaled.size(), designed.size() * scale);
    int checked = 0;
    constexpr int near = 2;
    for (int y = near; y + near < designed.height(); ++y)
        for (int x = near; x + near < designed.width(); ++x) {
            const QRgb colour = designed.pixel(x, y);
            bool flat = true;
            for (int dy = -near; dy <= near && flat; ++dy)
                for (int dx = -near; dx <= near && flat; ++dx)
                    flat = designed.pixel(x + dx, y + dy) == colour;
            if (!flat)
                continue;
            ++checked;
            for (int sy = 0; sy < scale; ++sy)
                for (int sx = 0; sx < scale; ++sx)
                    if (scaled.pixel(x * scale + sx, y * scale + sy) != colour) {
                        ADD_FAILURE()
                            << "designed pixel " << x << ", " << y << " at scale " << scale;
                        return checked;
                    }
        }
    return checked;
}

TEST(ScaledPictures, AtScaleOneAreTheDesignedPictures) {
    Scene scene = startedScene();
    EXPECT_EQ(groundViewAt(scene, 1.0, scene.airim), scene.waterim);
    EXPECT_EQ(skyTile(1.0), skyTile());
    EXPECT_EQ(turnArrow(Qt::blue, true, 1.0), turnArrow(Qt::blue, true));
    QImage dial(105, 105, QImage::Format_RGB32);
    dial.fill(Qt::white);
    drawDial(dial, Qt::red, 0.7);
    EXPECT_EQ(dialAt(dial.size(), Qt::red, 0.7, 1.0), dial);
}

TEST(ScaledPictures, AtIntegerScalesKeepEveryFlatAreaAndOneDesignedPixelLinesAreScaleWide) {
    Scene scene = startedScene();
    ShowShore1Click(scene); // the banks' 1-pixel outlines, the river figure, the water tile
    const QImage water1 = waterTile();
    for (const int scale : {2, 3}) {
        SCOPED_TRACE(scale);
        const QImage water = waterTile(scale);
        EXPECT_GT(flatPixelsKeepTheirPlace(water1, water, scale), 30000);
        const QImage view = groundViewAt(scene, scale, water);
        EXPECT_GT(flatPixelsKeepTheirPlace(scene.waterim, view, scale), 200000);
    }

    // The dial's frame: a designed 1-pixel line in the vector's colour on the edge, then white.
    QImage dial(105, 105, QImage::Format_RGB32);
    dial.fill(Qt::white);
    drawDial(dial, Qt::blue, 0.0);
    const QImage two = dialAt(dial.size(), Qt::blue, 0.0, 2);
    ASSERT_EQ(two.size(), QSize(210, 210));
    for (const int y : {20, 100, 180}) {
        EXPECT_EQ(two.pixelColor(0, y), QColor(Qt::blue));
        EXPECT_EQ(two.pixelColor(1, y), QColor(Qt::blue));
        EXPECT_EQ(two.pixelColor(2, y), QColor(Qt::white));
        EXPECT_EQ(two.pixelColor(209, y), QColor(Qt::blue));
        EXPECT_EQ(two.pixelColor(208, y), QColor(Qt::blue));
        EXPECT_EQ(two.pixelColor(207, y), QColor(Qt::white));
    }
    EXPECT_GT(flatPixelsKeepTheirPlace(dial, two, 2), 5000);
}

TEST(ScaledPictures, AtAFractionalScaleFillTheirWholeScaledSize) {
    const Scene scene = startedScene();
    const QImage view = groundViewAt(scene, 1.5, skyTile(1.5));
    EXPECT_EQ(view.size(), QSize(867, 779)); // 578 × 519, one and a half times, rounded up
    EXPECT_EQ(skyTile(1.5).size(), QSize(300, 300));
    // The bottom-right device pixel is painted (the sky or a cloud), never left undefined.
    const QColor corner = view.pixelColor(866, 778);
    EXPECT_TRUE(corner == QColor(0, 255, 255) || corner == QColor(Qt::white))
        << corner.name().toStdString();
}

TEST(ScaledPictures, ACopyTakesTheSelectionAsItIsSeenAndTheDesignedPixelsAtScaleOne) {
    Scene scene = startedScene();
    FakePlatform platform;
    Copyselect1Click(scene);
    // From inside the picture (578 × 519) to past its bottom-right corner.
    const auto select = [&](double scale, const QImage& tile) {
        waterimMouseDown(scene, 600, 540);
        waterimMouseMove(scene, 380, 300);
        windimMouseUp(scene, platform, scale, tile);
        return platform.clipboard.back();
    };
    const QImage one = select(1.0, QImage());
    ASSERT_EQ(one.size(), QSize(220, 240));
    EXPECT_EQ(one.copy(0, 0, 198, 219), scene.waterim.copy(380, 300, 198, 219));
    EXPECT_EQ(one.pixel(219, 239), qRgb(254, 253, 199)); // the window's colour past the picture

    const QImage two = select(2.0, skyTile(2.0));
    EXPECT_GT(flatPixelsKeepTheirPlace(one, two, 2), 30000); // the size too, twice
    EXPECT_EQ(scene.image1, one); // the window's copied picture keeps the designed pixels
    EXPECT_EQ(select(1.5, skyTile(1.5)).size(), QSize(330, 360));

    copyGroundView(scene, platform, 1.0, QImage());
    EXPECT_EQ(platform.clipboard.back(), scene.waterim);
    copyGroundView(scene, platform, 1.5, skyTile(1.5));
    EXPECT_EQ(platform.clipboard.back().size(), QSize(867, 779)); // 778.5 rounds up
}

} // namespace
