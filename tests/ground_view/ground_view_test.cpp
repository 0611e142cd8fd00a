// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/figures.h"
#include "ground_view/ground_view.h"
#include "scene/pixels.h"
#include "support/printers.h"
#include "support/started_scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

using namespace zephyra;

namespace {

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);
const QColor green(0, 128, 0);
const QColor red(255, 0, 0);
const QColor strokeTan(169, 150, 109);

QColor at(const Scene& scene, QPoint p) {
    return scene.waterim.pixelColor(p);
}

// A scene whose ground view shows only the tiles and the plane.
struct GroundView : ::testing::Test {
    Scene scene = startedScene();
    void SetUp() override { scene.showVectors = false; }
};

} // namespace

TEST_F(GroundView, RepaintingTwiceGivesTheSamePicture) {
    scene.showVectors = true;
    scene.showStartFinish = true;
    scene.windShiftX = -250;
    scene.planeAngle = 1.0;
    airbtClick(scene);
    const QImage first = scene.waterim.copy();
    airbtClick(scene);
    EXPECT_EQ(scene.waterim, first);
}

TEST_F(GroundView, TheAirDriftsByExactlyTheWindShift) {
    const QPoint shifts[] = {{0, 0}, {-250, 0}, {37, -1013}, {100000, 3}};
    for (const QPoint shift : shifts) {
        scene.windShiftX = shift.x();
        scene.windShiftY = shift.y();
        // Keep the plane where it started, away from the rows compared below.
        scene.planeShiftX = -shift.x();
        scene.planeShiftY = -shift.y();
        airbtClick(scene);
        int mismatches = 0;
        for (int y = 300; y < waterimHeight; y += 3)
            for (int x = 0; x < waterimWidth; x += 3) {
                const int tx = ((x - shift.x()) % tileSize + tileSize) % tileSize;
                const int ty = ((y - shift.y()) % tileSize + tileSize) % tileSize;
                mismatches += scene.waterim.pixel(x, y) != scene.airim.pixel(tx, ty);
            }
        EXPECT_EQ(mismatches, 0) << "shift " << shift.x() << ", " << shift.y();
    }
}

TEST_F(GroundView, PlaneIsDrawnAtItsStartWithAWhiteCockpit) {
    airbtClick(scene);
    const QPoint c = planeCentre(scene);
    ASSERT_EQ(c, QPoint(218, 220));
    EXPECT_EQ(at(scene, c), black);
    EXPECT_EQ(at(scene, c + QPoint(0, -20)), black); // inside a wing
    EXPECT_EQ(at(scene, c + QPoint(15, 0)), white);  // cockpit
    EXPECT_EQ(at(scene, c + QPoint(18, 0)), black);  // nose, past the cockpit
    EXPECT_NE(at(scene, c + QPoint(25, 0)), black);  // in front of the nose
}

TEST_F(GroundView, PlaneTurnsWithItsHeading) {
    scene.planeAngle = 1.5707963267948966;
    airbtClick(scene);
    const QPoint c = planeCentre(scene);
    EXPECT_EQ(at(scene, c + QPoint(0, -15)), white); // cockpit toward North
    EXPECT_EQ(at(scene, c + QPoint(-20, 0)), black); // wing toward West
}

TEST_F(GroundView, CourseShowsWithStartFinish) {
    setShowStartFinish(scene, true);
    EXPECT_TRUE(scene.Startsh.visible);
    EXPECT_TRUE(scene.stopsh.visible);
    EXPECT_TRUE(scene.directionlb.visible);
    EXPECT_EQ(at(scene, {306, 344}), yellow);
    EXPECT_EQ(at(scene, {118, 344}), green);
    EXPECT_EQ(at(scene, {112, 338}), green);
    EXPECT_EQ(at(scene, {494, 344}), red);
    EXPECT_EQ(at(scene, {500, 350}), red);

    setShowStartFinish(scene, false);
    EXPECT_FALSE(scene.Startsh.visible);
    EXPECT_FALSE(scene.directionlb.visible);
    EXPECT_NE(at(scene, {306, 344}), yellow);
    EXPECT_NE(at(scene, {118, 344}), green);
}

TEST_F(GroundView, RiverFigureReplacesThePlane) {
    scene.showRiver = true;
    scene.animationPhase = 2;
    airbtClick(scene);
    const QPoint c = planeCentre(scene);
    EXPECT_EQ(scene.strokePoints[0], c + QPoint(-3, 8));
    EXPECT_EQ(scene.strokePoints[1], c + QPoint(3, -8));
    EXPECT_EQ(at(scene, scene.strokePoints[0]), strokeTan);
    EXPECT_EQ(at(scene, scene.strokePoints[1]), strokeTan);
    EXPECT_EQ(at(scene, c), black);
    EXPECT_NE(at(scene, c + QPoint(15, 0)), white);  // no cockpit
    EXPECT_NE(at(scene, c + QPoint(0, -20)), black); // no wings
}

// Off the axes a 1-px outline alone leaves out the last pixel at some vertices.
TEST_F(GroundView, EveryVertexOfTheFigureIsPainted) {
    for (const bool river : {false, true}) {
        scene.showRiver = river;
        for (int degrees = 1; degrees < 360; degrees += 2) {
            scene.planeAngle = degrees * 3.141592653589793 / 180;
            airbtClick(scene);
            const QPoint c = planeCentre(scene);
            const QPolygon figure =
                river ? riverHull(c, scene.planeAngle) : planePolygon(c, scene.planeAngle);
            // The cockpit and the strokes are drawn over the figure.
            std::vector<QRect> over;
            if (river) {
                for (const QPoint& stroke : scene.strokePoints)
                    over.push_back(boxInside(strokeCorners(stroke)).adjusted(0, 0, 1, 1));
            } else {
                over.push_back(boxInside(cockpitCorners(c, scene.planeAngle)).adjusted(0, 0, 1, 1));
            }
            for (int i = 0; i < figure.size(); ++i) {
                const QPoint v = figure[i];
                if (std::none_of(over.begin(), over.end(),
                                 [v](const QRect& r) { return r.contains(v); })) {
                    EXPECT_EQ(at(scene, v), black)
                        << (river ? "hull" : "plane") << " heading " << degrees << " vertex " << i;
                }
            }
        }
    }
}

TEST_F(GroundView, AMissingTileLeavesAWhiteGround) {
    scene.airim = QImage();
    scene.waterim.fill(Qt::magenta);
    airbtClick(scene);
    EXPECT_EQ(at(scene, {5, 5}), white);
    EXPECT_EQ(at(scene, planeCentre(scene)), black);
}

TEST_F(GroundView, FigureFarOutsideTheViewLeavesOnlyTheAir) {
    scene.windShiftX = 100000;
    scene.planeShiftY = -100000;
    airbtClick(scene);
    int blackPixels = 0;
    for (int y = 0; y < waterimHeight; ++y)
        for (int x = 0; x < waterimWidth; ++x)
            blackPixels += scene.waterim.pixelColor(x, y) == black;
    EXPECT_EQ(blackPixels, 0);
}

TEST_F(GroundView, DistanceScaleRewritesRiverWidthAndCourse) {
    const struct {
        int index;
        const char* river;
        const char* course;
    } cases[] = {
        {2, "River Width: 250.0 m", "Direction:  376.0  m [E]"},
        {0, "River Width:  50.0 m", "Direction:   75.2  m [E]"},
        {5, "River Width: 2500.0 m", "Direction: 3760.0  m [E]"},
        {9, "River Width: 2500.0 m", "Direction: 3760.0  m [E]"}, // past the last item: unchanged
        {-3, "River Width:  50.0 m",
         "Direction:   75.2  m [E]"}, // none selected reads as the first
    };
    for (const auto& c : cases) {
        setDistanceScale(scene, c.index);
        EXPECT_EQ(scene.shorelb.caption, QString::fromLatin1(c.river)) << c.index;
        EXPECT_EQ(scene.directionlb.caption, QString::fromLatin1(c.course)) << c.index;
        EXPECT_EQ(scene.courseAngle, 0.0);
    }
    EXPECT_EQ(scene.distanceScale, -1);
}

TEST_F(GroundView, CourseFollowsTheMarkers) {
    scene.stopsh.left = scene.Startsh.left;
    scene.stopsh.top = scene.Startsh.top;
    setDistanceScale(scene, 1);
    EXPECT_EQ(scene.courseAngle, 4.71238898038469);
    EXPECT_EQ(scene.directionlb.caption, QStringLiteral("Direction:    0.0  m [S]"));
}

TEST_F(GroundView, ExtremeShapePositionsStayDefined) {
    const std::pair<int, int> extremes[] = {{INT_MAX, INT_MIN}, {INT_MIN, INT_MAX}};
    for (const auto& [v, opposite] : extremes) {
        scene.planesh.left = v;
        scene.planesh.top = opposite;
        scene.windShiftX = v;
        scene.Startsh.left = v;
        scene.stopsh.left = opposite;
        scene.showStartFinish = true;
        airbtClick(scene);
        setDistanceScale(scene, scene.distanceScale == 1 ? 2 : 1);
        EXPECT_FALSE(planeCentre(scene).x() > coordinateLimit) << v;
        EXPECT_TRUE(scene.directionlb.caption.startsWith(QStringLiteral("Direction: "))) << v;
    }
}
