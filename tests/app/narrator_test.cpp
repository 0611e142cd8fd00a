// SPDX-License-Identifier: GPL-3.0-or-later
// What a student who cannot see the window is told: each change once, and through a
// notification a screen reader speaks wherever the focus is.
#include "app/accessible_controls.h"
#include "app/narrator.h"
#include "app/spoken_notice.h"
#include "scene/scene.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using zephyra::Scene;

TEST(Narrator, TellsEachChangeOnceAndTheFlightsResultWhenItStops) {
    Scene scene;
    QStringList said;
    zephyra::Narrator narrator(scene, [&](const QString& text) { said << text; });
    narrator.project(scene);
    EXPECT_TRUE(said.isEmpty());

    scene.qbVisible = true;
    scene.expmemText = QStringLiteral("Too add velocity\r\nvectors  you put");
    scene.running = true;
    narrator.project(scene);
    narrator.project(scene);
    EXPECT_EQ(said, (QStringList{QStringLiteral("Too add velocity vectors you put"),
                                 QStringLiteral("Flying")}));

    said.clear();
    scene.running = false;
    scene.timelb.caption = QStringLiteral("Time: 4.34 s");
    scene.ewlb.caption = QStringLiteral("  333.6 m [E]");
    scene.nslb.caption = QStringLiteral("221.8 m [N]");
    scene.notebookPage = 1;
    scene.vectorsJoined = true;
    narrator.project(scene);
    EXPECT_EQ(said, (QStringList{QStringLiteral("Stopped. Time: 4.34 s. Displacement from Start: "
                                                "333.6 m [E], 221.8 m [N]"),
                                 QStringLiteral("Velocities page"), QStringLiteral("joined")}));

    said.clear();
    scene.vectorsJoined = false; // parting is heard in the handle's own read-out
    scene.notebookPage = 0;
    narrator.project(scene);
    EXPECT_EQ(said, QStringList{QStringLiteral("Controls page")});
}

TEST(SpokenNotice, ShowsAsOneNotificationWhatWasSaidTogetherARepeatOnce) {
    zephyra::installAccessibleControls();
    QWidget window;
    window.resize(100, 100);
    window.show();
    zephyra::SpokenNotice notice(&window);
    notice.say(QStringLiteral("Plane: 51.4 m/s [N 36.9° E]"));
    notice.say(QStringLiteral("Plane: 51.4 m/s [N 36.9° E]"));
    notice.say(QStringLiteral("joined"));
    notice.say(QString());
    EXPECT_TRUE(notice.isHidden()); // told after the focus has moved
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice.isVisible(); }, 5000));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&notice);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Notification);
    EXPECT_EQ(accessible->text(QAccessible::Name),
              QStringLiteral("Plane: 51.4 m/s [N 36.9° E]. joined"));
    EXPECT_EQ(notice.focusPolicy(), Qt::NoFocus);

    int a = 0;
    notice.say(QStringLiteral("Wind: 20.0 m/s [E]"), &a);
    notice.say(QStringLiteral("joined"));
    notice.say(QStringLiteral("Wind: 20.0 m/s [S 1.0° E]"), &a);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return accessible->text(QAccessible::Name).startsWith(QLatin1String("Wind")); },
        5000));
    EXPECT_EQ(accessible->text(QAccessible::Name),
              QStringLiteral("Wind: 20.0 m/s [S 1.0° E]. joined"));

    notice.say(QStringLiteral("Flying"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return accessible->text(QAccessible::Name) == QLatin1String("Flying"); }, 5000));
}

} // namespace
