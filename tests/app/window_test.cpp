// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven through real input: mouse clicks, keys, menu items and timer ticks.
#include "app/guide_location.h"
#include "app/notebook.h"
#include "app/window_fixture.h"
#include "scene/version.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST_F(Window, OpensAtTheDesignedClientAreaOf792By546BelowTheMenu) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zephyra"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(792, 546));
    EXPECT_EQ(window.centralWidget()->y(), window.menuBar()->height());
    EXPECT_EQ(window.height(), window.menuBar()->height() + 546);
    EXPECT_EQ(find("client")->geometry(), QRect(0, 0, 792, 546));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

TEST_F(Window, ExitClosesWithoutAPrompt) {
    choose("Exit1");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(Window, StartWithTheMouseFliesAndTheTimeAdvances) {
    auto* start = find<QPushButton>("timerbt");
    EXPECT_EQ(start->text(), QStringLiteral("&Start"));
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(start->text(), QStringLiteral("&Stop"));
    EXPECT_TRUE(window.scene().running);
    EXPECT_TRUE(find<QTimer>("windtr")->isActive());
    EXPECT_EQ(find<QTimer>("windtr")->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(find<QTimer>("windtr")->interval(), 20);

    auto* time = find<QScrollBar>("tsb");
    ASSERT_TRUE(QTest::qWaitFor([&] { return time->value() >= 10; }, 5000));
    EXPECT_EQ(time->value() % 2, 0); // factor 2: two hundredths a tick
    EXPECT_NE(text("timelb"), QStringLiteral("Time: 0.00 s"));
    EXPECT_TRUE(find("planesh")->isHidden());

    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(start->text(), QStringLiteral("&Continue"));
    EXPECT_FALSE(find<QTimer>("windtr")->isActive());
    const int stopped = time->value();
    QTest::qWait(60);
    EXPECT_EQ(time->value(), stopped);
}

TEST_F(Window, ArrowKeysStepTheTimeSliderTheNaturalWay) {
    auto* time = find<QScrollBar>("tsb");
    time->setFocus();
    QTest::keyClick(time, Qt::Key_Right);
    EXPECT_EQ(time->value(), 1);
    EXPECT_EQ(window.scene().tsb.position, 1);
    QTest::keyClick(time, Qt::Key_Right);
    QTest::keyClick(time, Qt::Key_Left);
    EXPECT_EQ(window.scene().tsb.position, 1);
    EXPECT_EQ(text("timelb"), QStringLiteral("Time: 0.01 s"));
}

// A screen reader sets a bar's value directly; the same reaction must run.
TEST_F(Window, ASpeedSetWithoutTheMouseRelabelsTheWind) {
    find<QScrollBar>("airspeedsb")->setValue(201);
    EXPECT_EQ(window.scene().airspeedsb.position, 201);
    EXPECT_EQ(text("airlb"), QStringLiteral("Wind: 20.1 m/s [E]"));
}

TEST_F(Window, FirstActivationShowsTheAboutBoxOnce) {
    EXPECT_EQ(platform.aboutShown, 1);
    EXPECT_TRUE(window.scene().showVectors);
    EXPECT_TRUE(find<QAction>("Showvectors1")->isChecked());
    EXPECT_TRUE(text("notelb").startsWith(QStringLiteral("Note: \nPlane: ")));
    EXPECT_EQ(window.findChild<zephyra::Notebook*>()->currentIndex(), 0);

    QEvent deactivate(QEvent::WindowDeactivate), activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &deactivate);
    QCoreApplication::sendEvent(&window, &activate);
    QCoreApplication::processEvents(); // where a queued start-up would run again
    EXPECT_EQ(platform.aboutShown, 1);

    choose("About1");
    EXPECT_EQ(platform.aboutShown, 2);
}

// A desktop that never activates the window (a Wayland compositor mapping it without focus).
TEST(WindowNeverActivated, StartsUpAllTheSameAfterAWhile) {
    struct NoActivation : QObject {
        bool eventFilter(QObject*, QEvent* event) override {
            return event->type() == QEvent::WindowActivate;
        }
    } noActivation;
    FakePlatform platform;
    zephyra::Trelativefrm window(platform);
    window.installEventFilter(&noActivation);
    QElapsedTimer shown;
    shown.start();
    window.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.aboutShown, 0); // activation may still come
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.scene().activated; }, 10000));
    EXPECT_GE(shown.elapsed(), zephyra::Trelativefrm::startUpWaitMs);
    EXPECT_EQ(platform.aboutShown, 1);
    EXPECT_TRUE(window.scene().showVectors);
    EXPECT_EQ(window.scene().aboutVersion,
              QStringLiteral("Version ") + QLatin1String(zephyra::programVersion));

    window.removeEventFilter(&noActivation);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);
    QCoreApplication::processEvents();
    EXPECT_EQ(platform.aboutShown, 1);
}

TEST_F(Window, F1WithNoProgramForTheGuideSaysWhereItIs) {
    platform.urlsOpen = false;
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].startsWith(
        QStringLiteral("No program was found to open the user guide.")));
    EXPECT_TRUE(platform.errors[0].endsWith(zephyra::guideUrl().toLocalFile()));
}

TEST_F(Window, TailAndTipHandlesNeverShowWhateverTheOptions) {
    const char* placeHolders[] = {"windshb",  "windsht",   "planeshb",
                                  "planesht", "resultshb", "resultsht"};
    const char* middles[] = {"windshm", "planeshm", "resultshm", "movesh", "timesb", "scalelb"};
    for (const char* option : {"Showvectors1", "ShowShore1", "Showposition1", "Showvectors1",
                               "Copyselect1", "Showvectors1", "ShowShore1"}) {
        choose(option);
        for (const char* name : placeHolders)
            EXPECT_TRUE(find(name)->isHidden()) << name << " after " << option;
        for (const char* name : middles)
            EXPECT_EQ(find(name)->isHidden(), !window.scene().showVectors)
                << name << " after " << option;
    }
    EXPECT_FALSE(window.scene().showVectors); // on at start, then chosen three times
}

TEST_F(Window, CheckItemsFollowTheSceneAndUnitsRelabel) {
    choose("Showposition1");
    EXPECT_TRUE(find<QAction>("Showposition1")->isChecked());
    EXPECT_FALSE(find("posgb")->isHidden());
    choose("Showposition1");
    EXPECT_FALSE(find<QAction>("Showposition1")->isChecked());
    EXPECT_TRUE(find("posgb")->isHidden());

    choose("kmh1");
    EXPECT_EQ(find<QAction>("Units1")->text(), QStringLiteral("Units: km, h"));
    EXPECT_EQ(text("timelb"), QStringLiteral("Time: 0.00 h"));
    EXPECT_EQ(text("airlb"), QStringLiteral("Wind: 20.0 km/h [E]"));
}

TEST_F(Window, QuestionsMenuOffersSeventeenItemsThatOpenThePanel) {
    const char* items[] = {"Movevectors1",
                           "Moveplane1",
                           "AddingVectors1",
                           "SubtractingVectors1",
                           "Startfinishline1",
                           "FindResultant1",
                           "FindWindVelocity1",
                           "FindPlaneVelocity1",
                           "Whereareyou1",
                           "WhereshouldIhead1",
                           "Howfastisthewind1",
                           "N11",
                           "N21",
                           "N31",
                           "N12",
                           "N22",
                           "N32"};
    for (const char* item : items)
        ASSERT_NE(window.findChild<QAction*>(QLatin1String(item)), nullptr) << item;
    const std::tuple<const char*, const char*, const char*> placed[] = {
        {"Startfinishline1", "Introduction1", "Start/finish line"},
        {"FindPlaneVelocity1", "Easy1", "Find Plane Velocity"},
        {"Whereareyou1", "Medium1", "Where are you?"},
        {"Howfastisthewind1", "Hard1", "How fast is the wind?"},
        {"N31", "Fullsolution1", "#3"},
        {"N12", "PartialSolution1", "#1"}};
    for (const auto& [item, menu, caption] : placed) {
        auto* action = find<QAction>(item);
        EXPECT_EQ(action->text(), QLatin1String(caption));
        EXPECT_TRUE(find<QMenu>(menu)->actions().contains(action)) << item;
    }

    choose("Moveplane1");
    EXPECT_FALSE(find("expgb")->isHidden());
    EXPECT_FALSE(find("qb")->isHidden());
    QTest::mouseClick(find<QPushButton>("okbt"), Qt::LeftButton);
    EXPECT_TRUE(find("expgb")->isHidden());
    EXPECT_TRUE(platform.errors.isEmpty());
}

} // namespace
