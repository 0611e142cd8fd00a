// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive tools are told: roles, names, read-outs as descriptions, and the changes.
#include "app/spoken_notice.h"
#include "app/window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QList>

namespace {

// Events to assistive tools need a platform bridge, so the end-to-end check listens for
// them; here the window is checked for what it tells them.
class Accessibility : public Window {
protected:
    QAccessibleInterface* accessible(const char* name) {
        return QAccessible::queryAccessibleInterface(find(name));
    }
};

TEST_F(Accessibility, NestedGroupBoxesAreAnnouncedByTheirOwnTitle) {
    const std::pair<const char*, const char*> boxes[] = {{"posgb", "Displacement from Start"},
                                                         {"yngb", "Is this the right Experiment?"},
                                                         {"qb", "Relative Motion Question"},
                                                         {"expgb", "Motion"}};
    for (const auto& [box, title] : boxes)
        EXPECT_EQ(accessible(box)->text(QAccessible::Name), QLatin1String(title)) << box;
    choose("SaveMotion1");
    EXPECT_EQ(accessible("expgb")->text(QAccessible::Name), QStringLiteral("Save a Plane Motion"));
}

TEST_F(Accessibility, ControlsHaveFittingRolesAndTheirReadOutsAsDescriptions) {
    const std::tuple<const char*, QAccessible::Role, const char*> controls[] = {
        {"windim", QAccessible::Dial, "Wind: 20.0 m/s [E]"},
        {"airspeedsb", QAccessible::ScrollBar, "Wind: 20.0 m/s [E]"},
        // A turn button beside the dial does not repeat the read-out.
        {"Image5", QAccessible::Button, ""},
        {"tsb", QAccessible::ScrollBar, "Time: 0.00 s"},
        // A handle also tells how far its arrow's nearest end is from the end it may join.
        {"planeshm", QAccessible::Graphic,
         "Plane: 20.0 m/s [E], tip 40 px right of and 24 px above the wind arrow's tail"},
        {"waterim", QAccessible::Canvas, ""}};
    for (const auto& [name, role, description] : controls) {
        QAccessibleInterface* control = accessible(name);
        EXPECT_EQ(control->role(), role) << name;
        EXPECT_EQ(control->text(QAccessible::Description), QString::fromUtf8(description)) << name;
        EXPECT_TRUE(control->state().focusable) << name;
    }
    QAccessibleValueInterface* dial = accessible("planeim")->valueInterface();
    ASSERT_NE(dial, nullptr);
    // A dial reads as a compass bearing, clockwise from North, to a turn button's step.
    EXPECT_EQ(dial->currentValue().toDouble(), 90.0);
    EXPECT_EQ(dial->minimumStepSize().toDouble(), 0.01);
    dial->setCurrentValue(0.0); // an assistive tool points the plane North
    EXPECT_EQ(text("planelb"), QStringLiteral("Plane: 20.0 m/s [N]"));
    EXPECT_EQ(dial->currentValue().toDouble(), 0.0);
    dial->setCurrentValue(120.0);
    EXPECT_EQ(text("planelb"), QStringLiteral("Plane: 20.0 m/s [S 60.0° E]"));

    // A bar reads as its quantity: the wind speed in m/s to a tenth, the time in seconds.
    QAccessibleValueInterface* speed = accessible("airspeedsb")->valueInterface();
    ASSERT_NE(speed, nullptr);
    EXPECT_DOUBLE_EQ(speed->currentValue().toDouble(), 20.0);
    EXPECT_DOUBLE_EQ(speed->minimumStepSize().toDouble(), 0.1);
    speed->setCurrentValue(47.1);
    EXPECT_EQ(text("airlb"), QStringLiteral("Wind: 47.1 m/s [E]"));
    EXPECT_DOUBLE_EQ(accessible("tsb")->valueInterface()->minimumStepSize().toDouble(), 0.01);
}

TEST_F(Accessibility, HandlesSayWhatTheyShow) {
    QWidget* handle = find("windshm");
    handle->setFocus(Qt::TabFocusReason);
    QTest::keyClick(handle, Qt::Key_Left);
    EXPECT_EQ(handle->accessibleDescription(),
              QStringLiteral("Wind: 20.0 m/s [E], tail 1 px left of and 184 px above the plane "
                             "arrow's tail"));
    QTest::mouseClick(find<QCheckBox>("stopstartcb"), Qt::LeftButton);
    QWidget* marker = find("Startsh");
    marker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(marker, Qt::Key_Up);
    EXPECT_EQ(marker->accessibleDescription(), QStringLiteral("0.2 m [S] and 75.2 m [E]"));
}

TEST_F(Accessibility, AJoinedArrowThatAKeyCannotPartSaysWhatHoldsIt) {
    QWidget* plane = find("planeshm");
    plane->setFocus(Qt::TabFocusReason);
    // Its tail starts 184 px below the wind arrow's tail.
    for (int i = 0; i < 18; ++i)
        QTest::keyClick(plane, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(plane, Qt::Key_Up);
    QTest::keyClick(plane, Qt::Key_Up);
    ASSERT_TRUE(window.scene().vectorsJoined);
    const QRect joined = plane->geometry();
    auto* notice = window.findChild<zephyra::SpokenNotice*>();
    ASSERT_NE(notice, nullptr);
    QTest::keyClick(plane, Qt::Key_Down);
    EXPECT_EQ(plane->geometry(), joined);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return notice->told().contains(QLatin1String("holds")); }, 5000));
    EXPECT_TRUE(notice->told().startsWith(
        QStringLiteral("Plane: 20.0 m/s [E], joined: the join holds it; Shift with an "
                       "arrow key moves it 10 px, which parts it")))
        << notice->told().toStdString();
    QTest::keyClick(plane, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_FALSE(window.scene().vectorsJoined);
}

TEST_F(Accessibility, DuringAFlightTheTimeIsToldAtMostTwiceASecond) {
    QWidget* time = find("tsb");
    time->setFocus(Qt::TabFocusReason);
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.scene().running; }, 5000));
    // A slow machine only spreads the announcements further apart, so the gaps between them
    // are checked, not how many fit in a stretch of wall-clock time.
    QElapsedTimer clock;
    clock.start();
    QList<qint64> toldAt;
    QString told = time->accessibleDescription();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (time->accessibleDescription() != told) {
                told = time->accessibleDescription();
                toldAt << clock.elapsed();
            }
            return toldAt.size() >= 3;
        },
        20000));
    for (qsizetype i = 1; i < toldAt.size(); ++i)
        EXPECT_GE(toldAt[i] - toldAt[i - 1], 490) << toldAt[i - 1] << " then " << toldAt[i];
    EXPECT_NE(text("timelb"), QStringLiteral("Time: 0.00 s"));
}

} // namespace
