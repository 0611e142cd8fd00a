// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/pixels.h"
#include "scene/scene.h"
#include "scene/version.h"
#include "startup/startup.h"
#include "support/fake_platform.h"
#include "support/printers.h"

#include <gtest/gtest.h>

using namespace zephyra;

namespace {

const QString note = QStringLiteral(
    "Note: \rPlane: Velocity of plane relative to the air. (black)\r"
    "Wind: Velocity of the air relative to the ground. (blue)\r"
    "The Ground Velocity (red) in the program is not used in the calculation of the plane "
    "motion. It is used as a way to measure what the resultant vector should be. The only "
    "vectors that affect the motion of the plane is the Wind and the Plane velocity.");

struct Startup : ::testing::Test {
    Scene scene;
    FakePlatform platform;
};

} // namespace

TEST_F(Startup, CreateSetsUnitsGroundSpeedAndPaintsOnce) {
    scene.distanceUnit = QStringLiteral(" km");
    scene.metresPerPixel = {};
    scene.vectorsJoined = true;
    FormCreate(scene);
    EXPECT_EQ(scene.distanceUnit, QStringLiteral(" m"));
    EXPECT_EQ(scene.speedUnit, QStringLiteral(" m/s"));
    EXPECT_EQ(scene.timeUnit, QStringLiteral(" s"));
    EXPECT_EQ(scene.metresPerPixel, (std::array<double, 6>{0.2, 0.4, 1, 2, 4, 10}));
    EXPECT_EQ(scene.resultantsb.position, 200);
    EXPECT_FALSE(scene.markerOutlines);
    EXPECT_FALSE(scene.vectorsJoined);
    EXPECT_EQ(scene.waterim.pixelColor(planeCentre(scene)), QColor(Qt::black));
    EXPECT_EQ(platform.aboutShown, 0);
}

TEST_F(Startup, TextsRightAfterStartUp) {
    FormCreate(scene);
    FormActivate(scene, platform);
    EXPECT_EQ(scene.timelb.caption, QStringLiteral("Time: 0.00 s"));
    EXPECT_EQ(scene.timefactorlb.caption, QStringLiteral("Time Factor: 2"));
    // Composed from the designed markers, as a drag composes it.
    EXPECT_EQ(scene.directionlb.caption, QStringLiteral("Direction:   75.2  m [E]"));
    EXPECT_EQ(scene.courseAngle, 0.0);
    EXPECT_EQ(scene.timefactorsb.position, 2);
    EXPECT_EQ(scene.timerbtCaption, QStringLiteral("&Start"));
    EXPECT_EQ(scene.airlb.caption, QStringLiteral("Wind: 20.0 m/s [E]"));
    EXPECT_EQ(scene.planelb.caption, QStringLiteral("Plane: 20.0 m/s [E]"));
    EXPECT_EQ(scene.rlb.caption, QStringLiteral("Ground: 20.0 m/s [E]"));
    EXPECT_EQ(scene.notelb.caption, note);
    EXPECT_EQ(scene.aboutCaption, QStringLiteral("Zephyra About"));
    EXPECT_EQ(scene.aboutVersion, QStringLiteral("Version ") + QString::fromLatin1(programVersion));
    EXPECT_EQ(scene.aboutProductName, QStringLiteral("Product Name: Zephyra"));
}

TEST_F(Startup, ActivateShowsAboutVectorsAndTheControlsPage) {
    FormCreate(scene);
    scene.notebookPage = 1;
    FormActivate(scene, platform);
    EXPECT_EQ(platform.aboutShown, 1);
    EXPECT_TRUE(scene.showVectors);
    EXPECT_TRUE(scene.windshm.visible);
    EXPECT_TRUE(scene.timesb.visible);
    EXPECT_EQ(scene.notebookPage, 0);
    EXPECT_TRUE(scene.planesh.visible);
    EXPECT_EQ(scene.planesh.left, 216);
    EXPECT_EQ(scene.planesh.top, 232);
    EXPECT_EQ(scene.tsb.position, 0);
    EXPECT_FALSE(scene.running);
}

TEST_F(Startup, AimKeepsTheDesignedSkyTile) {
    FormCreate(scene);
    const QImage sky = scene.airim.copy();
    FormActivate(scene, platform);
    EXPECT_EQ(scene.aim, sky);
    // A later change of the tile in use leaves the kept copy alone.
    scene.airim.fill(Qt::red);
    EXPECT_EQ(scene.aim, sky);
}

TEST_F(Startup, ActivatingAgainChangesNothing) {
    FormCreate(scene);
    FormActivate(scene, platform);
    scene.notebookPage = 1;
    FormActivate(scene, platform);
    EXPECT_EQ(platform.aboutShown, 1);
    EXPECT_EQ(scene.notelb.caption, note);
    EXPECT_TRUE(scene.showVectors);
    EXPECT_EQ(scene.notebookPage, 1);
}

TEST_F(Startup, AboutMenuShowsTheAboutBoxEachTime) {
    FormCreate(scene);
    FormActivate(scene, platform);
    About1Click(scene, platform);
    About1Click(scene, platform);
    EXPECT_EQ(platform.aboutShown, 3);
}
