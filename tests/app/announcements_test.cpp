// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches assistive tools: nothing about hidden widgets, and a paced group at most once
// per interval while it is active.
#include "app/accessible_controls.h"
#include "app/announcements.h"
#include "app/focus_mark.h"

#include <QAccessible>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using zephyra::Announcements;

struct Told {
    QObject* object;
    QAccessible::Event type;
};

class AnnouncementsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 100);
        time.setRange(0, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void offer(QObject* object, QAccessible::Event type) {
        // Qt has an event class of its own for these two.
        if (type == QAccessible::ValueChanged) {
            QAccessibleValueChangeEvent event(object, 0);
            announcements.offer(&event);
            return;
        }
        if (type == QAccessible::StateChanged) {
            QAccessible::State changed;
            changed.focused = true;
            QAccessibleStateChangeEvent event(object, changed);
            announcements.offer(&event);
            return;
        }
        QAccessibleEvent event(object, type);
        announcements.offer(&event);
    }
    void offerValue(QScrollBar* bar) {
        QAccessibleValueChangeEvent event(bar, bar->value());
        announcements.offer(&event);
    }

    QWidget window;
    QScrollBar time{Qt::Horizontal, &window};
    QLabel label{&window};
    QLabel hidden{&window};
    std::vector<Told> told;
    Announcements announcements{[this](QAccessibleEvent* event) {
        told.push_back({event->object(), event->type()});
    }};
};

TEST_F(AnnouncementsTest, AHiddenWidgetsChangesAreNotToldButItsTreeEventsAre) {
    hidden.hide();
    zephyra::installAccessibleControls();
    zephyra::FocusMark ring(&window); // drawn for the eye only
    ring.show();
    const std::tuple<QObject*, QAccessible::Event, bool> cases[] = {
        {&hidden, QAccessible::NameChanged, false},
        {&hidden, QAccessible::DescriptionChanged, false},
        {&hidden, QAccessible::ValueChanged, false},
        {&hidden, QAccessible::StateChanged, false},
        {&hidden, QAccessible::ObjectHide, true},
        {&label, QAccessible::NameChanged, true},
        {&label, QAccessible::ObjectShow, true},
        {&ring, QAccessible::ObjectShow, false},
        {&ring, QAccessible::StateChanged, false},
    };
    for (const auto& [object, type, passes] : cases) {
        told.clear();
        offer(object, type);
        EXPECT_EQ(told.size(), passes ? 1U : 0U) << object->objectName().toStdString() << type;
    }
}

TEST_F(AnnouncementsTest, AnActiveGroupIsToldOncePerIntervalAndWhatWasHeldBackAfterIt) {
    bool flying = true;
    announcements.pace(
        {&time, &label}, [&] { return flying; }, 200);
    time.setValue(1);
    offerValue(&time);
    offer(&label, QAccessible::NameChanged);
    time.setValue(2);
    offerValue(&time);
    ASSERT_EQ(told.size(), 1U);
    EXPECT_EQ(told[0].object, &time);

    // The held-back changes are told as one change of the first member's value.
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.size() == 2; }, 5000));
    EXPECT_EQ(told[1].object, &time);
    EXPECT_EQ(told[1].type, QAccessible::ValueChanged);
    offer(&label, QAccessible::NameChanged);
    EXPECT_EQ(told.size(), 2U); // within the interval after the held-back one
    ASSERT_TRUE(QTest::qWaitFor([&] { return told.size() == 3; }, 5000));

    // Landed, every change is told at once; so is a widget outside the group.
    flying = false;
    QTest::qWait(250);
    const std::size_t before = told.size();
    offer(&label, QAccessible::NameChanged);
    offerValue(&time);
    QScrollBar other(Qt::Horizontal, &window);
    other.show();
    offerValue(&other);
    EXPECT_EQ(told.size(), before + 3);
}

} // namespace
