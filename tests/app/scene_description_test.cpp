// SPDX-License-Identifier: GPL-3.0-or-later
// The ground view in words: what a student who cannot see it is told by Options > Describe the
// Scene.
#include "app/scene_description.h"
#include "app/spoken_notice.h"
#include "app/window_fixture.h"

#include <QPushButton>
#include <QScrollBar>

namespace {

TEST(SceneDescription, PlacesAreToldFromTheOneToTheOther) {
    EXPECT_EQ(zephyra::placeRelative(-4, 3), QStringLiteral("4 px left of and 3 px below"));
    EXPECT_EQ(zephyra::placeRelative(7, 0), QStringLiteral("7 px right of"));
    EXPECT_EQ(zephyra::placeRelative(0, -1), QStringLiteral("1 px above"));
    EXPECT_EQ(zephyra::placeRelative(0, 0), QStringLiteral("on"));
}

// The scale controls say what they set, in the units the window shows.
TEST_F(Window, TheScalesSayWhatTheySet) {
    const auto description = [&](const char* name) {
        return find(name)->accessibleDescription().toStdString();
    };
    EXPECT_EQ(description("timesb"), "10 m/s is drawn 40.0 px long");
    EXPECT_EQ(description("distancerb0"), "100 m across 500 px");
    EXPECT_EQ(description("distancerb5"), "5000 m across 500 px");
    find<QScrollBar>("timesb")->setValue(33);
    EXPECT_EQ(description("timesb"), "10 m/s is drawn 60.6 px long");
    choose("kmh1");
    EXPECT_EQ(description("timesb"), "10 km/h is drawn 60.6 px long");
    EXPECT_EQ(description("distancerb3"), "1000 km across 500 px");
}

TEST_F(Window, DescribeTheSceneTellsTheArrowsTheirNearestEndsAndThePlane) {
    choose("AddingVectors1");
    QTest::keyClick(find<QPushButton>("okbt"), Qt::Key_Return);
    const QString said = zephyra::describeScene(window.scene());
    EXPECT_TRUE(
        said.startsWith(QStringLiteral("Ground view, places in pixels from its top left. Wind: ")))
        << said.toStdString();
    for (const char* part :
         {"Plane: ", "Ground: ", ", tail at ", "the wind arrow's ", "Plane start at "})
        EXPECT_TRUE(said.contains(QLatin1String(part))) << part << " in " << said.toStdString();

    // Joined by keys, the joint is told.
    QWidget* plane = find("planeshm");
    plane->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(plane, Qt::Key_Down, Qt::ShiftModifier);
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(plane, Qt::Key_Up, Qt::ShiftModifier);
    for (int i = 0; i < 7; ++i)
        QTest::keyClick(plane, Qt::Key_Up);
    ASSERT_TRUE(window.scene().vectorsJoined);
    EXPECT_TRUE(zephyra::describeScene(window.scene())
                    .contains(QStringLiteral(" is joined to the wind arrow's ")));

    auto* notice = window.findChild<zephyra::SpokenNotice*>();
    choose("DescribeScene1");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return notice->told().endsWith(zephyra::describeScene(window.scene())); }, 5000));
    EXPECT_EQ(find<QAction>("DescribeScene1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+D")));
}

} // namespace
