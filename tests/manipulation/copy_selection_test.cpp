// SPDX-License-Identifier: GPL-3.0-or-later
#include "manipulation/copy_selection.h"
#include "scene/scene.h"
#include "support/fake_platform.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace zephyra;

namespace {

constexpr QRgb windowColour = qRgb(254, 253, 199);

// A ground view in which every pixel differs from its neighbours.
Scene sceneWithPattern() {
    Scene scene;
    for (int y = 0; y < waterimHeight; ++y)
        for (int x = 0; x < waterimWidth; ++x)
            scene.waterim.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 64 + (y / 256)));
    Copyselect1Click(scene);
    return scene;
}

void drag(Scene& scene, FakePlatform& platform, QPoint from, QPoint to) {
    waterimMouseDown(scene, from.x(), from.y());
    waterimMouseMove(scene, to.x(), to.y());
    windimMouseUp(scene, platform);
}

// The picture expected for a selection: the ground view where the selection covers it,
// the window's colour elsewhere.
QImage expectedCopy(const QImage& view, const QRect& selection) {
    QImage expected(selection.size(), QImage::Format_RGB32);
    for (int y = 0; y < selection.height(); ++y)
        for (int x = 0; x < selection.width(); ++x) {
            const QPoint p = selection.topLeft() + QPoint(x, y);
            expected.setPixel(x, y, view.rect().contains(p) ? view.pixel(p) : windowColour);
        }
    return expected;
}

} // namespace

TEST(CopySelectionTest, FrameFollowsThePointerInAnyDirection) {
    Scene scene = sceneWithPattern();
    waterimMouseDown(scene, 100, 50);
    EXPECT_TRUE(scene.copyshape.visible);
    EXPECT_TRUE(scene.dragging);
    EXPECT_EQ(QRect(scene.copyshape.left, scene.copyshape.top, scene.copyshape.width,
                    scene.copyshape.height),
              QRect(102, 66, 0, 0));
    const std::pair<QPoint, QRect> moves[] = {{{160, 80}, {102, 66, 60, 30}},
                                              {{40, 20}, {42, 36, 60, 30}},
                                              {{-20, 70}, {-18, 66, 120, 20}},
                                              {{100, 50}, {102, 66, 0, 0}}};
    for (const auto& [to, frame] : moves) {
        waterimMouseMove(scene, to.x(), to.y());
        EXPECT_EQ(QRect(scene.copyshape.left, scene.copyshape.top, scene.copyshape.width,
                        scene.copyshape.height),
                  frame);
        EXPECT_EQ(QPoint(scene.selectionX0, scene.selectionY0), QPoint(100, 50));
        EXPECT_EQ(QPoint(scene.selectionX1, scene.selectionY1), to);
    }
}

TEST(CopySelectionTest, CopiesTheSelectedPixelsWhicheverWayItWasDragged) {
    struct Case {
        QPoint from;
        QPoint to;
        QRect selection;
    };
    const Case cases[] = {
        {{40, 20}, {100, 50}, {40, 20, 60, 30}},
        {{100, 50}, {40, 20}, {40, 20, 60, 30}},
        {{300, 10}, {250, 270}, {250, 10, 50, 260}},
        {{0, 0}, {578, 519}, {0, 0, 578, 519}},
        // Partly outside the picture: the window's colour there.
        {{560, 500}, {600, 530}, {560, 500, 40, 30}},
        {{10, 10}, {-20, -5}, {-20, -5, 30, 15}},
    };
    for (const Case& c : cases) {
        Scene scene = sceneWithPattern();
        FakePlatform platform;
        drag(scene, platform, c.from, c.to);
        ASSERT_EQ(platform.clipboard.size(), 1u) << "selection " << c.selection.x();
        const QImage& copied = platform.clipboard.front();
        EXPECT_EQ(copied.size(), c.selection.size());
        EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32),
                  expectedCopy(scene.waterim, c.selection))
            << "selection at " << c.selection.x() << ", " << c.selection.y();
        EXPECT_FALSE(scene.copyshape.visible);
        EXPECT_FALSE(scene.dragging);
        EXPECT_TRUE(scene.copySelect); // stays on for the next copy
    }
}

TEST(CopySelectionTest, EmptySelectionLeavesTheClipboardAndHidesTheFrame) {
    const std::pair<QPoint, QPoint> clicks[] = {{{50, 60}, {50, 60}}, // no move at all
                                                {{50, 60}, {90, 60}}, // no height
                                                {{50, 60}, {50, 10}}};
    for (const auto& [from, to] : clicks) {
        Scene scene = sceneWithPattern();
        FakePlatform platform;
        waterimMouseDown(scene, from.x(), from.y());
        if (to != from)
            waterimMouseMove(scene, to.x(), to.y());
        windimMouseUp(scene, platform);
        EXPECT_TRUE(platform.clipboard.empty());
        EXPECT_FALSE(scene.copyshape.visible);
        EXPECT_FALSE(scene.dragging);
    }
}

TEST(CopySelectionTest, WithCopySelectOffPressesAndMovesDoNothing) {
    Scene scene = sceneWithPattern();
    Copyselect1Click(scene);
    ASSERT_FALSE(scene.copySelect);
    FakePlatform platform;
    scene.selectionX0 = 7;
    waterimMouseDown(scene, 100, 50);
    waterimMouseMove(scene, 200, 150);
    EXPECT_FALSE(scene.copyshape.visible);
    EXPECT_FALSE(scene.dragging);
    EXPECT_EQ(scene.selectionX0, 7);
    EXPECT_EQ(scene.copyshape.left, 120); // designed place, untouched
    windimMouseUp(scene, platform);
    EXPECT_TRUE(platform.clipboard.empty());
}

TEST(CopySelectionTest, ReleaseEndsADialDragWithoutCopying) {
    Scene scene = sceneWithPattern();
    FakePlatform platform;
    scene.dragging = true; // a press on a dial
    windimMouseUp(scene, platform);
    EXPECT_FALSE(scene.dragging);
    EXPECT_TRUE(platform.clipboard.empty());
}
