// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/figures.h"
#include "scene/scene.h"
#include "support/printers.h"

#include <QRegion>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zephyra;

namespace {

constexpr double north = 1.5707963267948966;
const QPoint centre(100, 100);

QPolygon points(std::initializer_list<QPoint> list) {
    return {QList<QPoint>(list)};
}

} // namespace

TEST(FiguresTest, PlaneHeadingEast) {
    EXPECT_EQ(planePolygon(centre, 0.0), points({{120, 100},
                                                 {114, 97},
                                                 {103, 97},
                                                 {100, 75},
                                                 {97, 97},
                                                 {80, 100},
                                                 {97, 103},
                                                 {100, 125},
                                                 {103, 103},
                                                 {114, 103}}));
}

TEST(FiguresTest, PlaneHeadingNorth) {
    const QPolygon plane = planePolygon(centre, north);
    ASSERT_EQ(plane.size(), 10);
    EXPECT_EQ(plane[0], QPoint(100, 80));  // nose
    EXPECT_EQ(plane[3], QPoint(75, 100));  // left wing tip
    EXPECT_EQ(plane[5], QPoint(100, 120)); // tail
    EXPECT_EQ(plane[7], QPoint(125, 100)); // right wing tip
}

TEST(FiguresTest, CockpitSitsBehindTheNose) {
    const Corners east = cockpitCorners(centre, 0.0);
    EXPECT_EQ(east.first, QPoint(118, 103));
    EXPECT_EQ(east.second, QPoint(113, 98));
    const Corners up = cockpitCorners(centre, north);
    EXPECT_EQ(up.first, QPoint(103, 88));
    EXPECT_EQ(up.second, QPoint(98, 83));
}

TEST(FiguresTest, BoxInsideExcludesRightAndBottomInEitherCornerOrder) {
    const struct {
        Corners corners;
        QRect expected;
    } cases[] = {
        {{{113, 98}, {118, 103}}, QRect(113, 98, 4, 4)},
        {{{118, 103}, {113, 98}}, QRect(113, 98, 4, 4)},
        {{{118, 98}, {113, 103}}, QRect(113, 98, 4, 4)},
        {{{97, 105}, {103, 111}}, QRect(97, 105, 5, 5)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(boxInside(c.corners), c.expected);
}

TEST(FiguresTest, RiverHullHeadingEast) {
    EXPECT_EQ(riverHull(centre, 0.0), points({{120, 100},
                                              {114, 97},
                                              {103, 97},
                                              {97, 97},
                                              {80, 100},
                                              {97, 103},
                                              {103, 103},
                                              {114, 103}}));
}

TEST(FiguresTest, StrokesSlideInOppositeDirectionsWithThePhase) {
    const struct {
        double heading;
        int phase;
        QPoint first;
        QPoint second;
    } cases[] = {
        {0.0, 0, {100, 108}, {100, 92}},
        {0.0, 2, {97, 108}, {103, 92}},
        {0.0, 9, {100, 108}, {100, 92}}, // one full cycle
        {north, 0, {108, 100}, {92, 100}},
    };
    for (const auto& c : cases) {
        const auto strokes = strokeCentres(centre, c.heading, c.phase);
        EXPECT_EQ(strokes[0], c.first) << "phase " << c.phase << " heading " << c.heading;
        EXPECT_EQ(strokes[1], c.second) << "phase " << c.phase << " heading " << c.heading;
    }
}

TEST(FiguresTest, StrokeCircleIsSixPixelsAcross) {
    const Corners corners = strokeCorners({97, 108});
    EXPECT_EQ(corners.first, QPoint(100, 111));
    EXPECT_EQ(corners.second, QPoint(94, 105));
    EXPECT_EQ(boxInside(corners), QRect(94, 105, 5, 5));
}

TEST(FiguresTest, TilesStartOneTileBeforeTheOffsetAndCoverTheView) {
    const QSize tile(tileSize, tileSize);
    const QSize view(waterimWidth, waterimHeight);
    const struct {
        int shiftX, shiftY;
        QPoint firstTile;
    } cases[] = {
        {0, 0, {-200, -200}},
        {-250, 0, {-250, -200}},
        {250, 0, {-150, -200}},
        {199, -399, {-1, -399}},
        {-1000, 1000, {-200, -200}},
        {7, -13, {-193, -213}},
        {100000, -100001, {-200, -201}},
    };
    for (const auto& c : cases) {
        const auto rects = tileRects(c.shiftX, c.shiftY, tile, view);
        ASSERT_EQ(rects.size(), 25u);
        EXPECT_EQ(rects.front().topLeft(), c.firstTile) << c.shiftX << ", " << c.shiftY;
        QRegion uncovered(QRect(QPoint(0, 0), view));
        for (const QRect& r : rects) {
            EXPECT_EQ(r.size(), tile);
            // The content moves by exactly the shift: every tile origin is congruent to it.
            EXPECT_EQ(((r.left() - c.shiftX) % tileSize + tileSize) % tileSize, 0);
            EXPECT_EQ(((r.top() - c.shiftY) % tileSize + tileSize) % tileSize, 0);
            uncovered -= r;
        }
        EXPECT_TRUE(uncovered.isEmpty()) << c.shiftX << ", " << c.shiftY;
    }
}

TEST(FiguresTest, AnEmptyTileGivesNoCopies) {
    EXPECT_TRUE(tileRects(10, 10, QSize(0, 0), QSize(waterimWidth, waterimHeight)).empty());
}

TEST(FiguresTest, CourseLineAndCrosses) {
    const CourseFigure course = courseFigure({118, 344}, {494, 344});
    EXPECT_EQ(course.line, QLine(118, 344, 494, 344));
    EXPECT_EQ(course.startCross[0], QLine(126, 352, 110, 336));
    EXPECT_EQ(course.startCross[1], QLine(126, 336, 110, 352));
    EXPECT_EQ(course.finishCross[0], QLine(502, 352, 486, 336));
    EXPECT_EQ(course.finishCross[1], QLine(502, 336, 486, 352));
}

TEST(FiguresTest, BrokenHeadingStillGivesAFigure) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(planePolygon(centre, nan).size(), 10);
    EXPECT_EQ(strokeCentres(centre, std::numeric_limits<double>::infinity(), 3)[0], centre);
}
