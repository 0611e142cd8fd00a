// SPDX-License-Identifier: GPL-3.0-or-later
// The window as designed: every control found by its name, where it sits, what it says,
// its range and whether it shows at start.
#include "app/main_window.h"
#include "support/fake_platform.h"
#include "support/printers.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

using zephyra::Trelativefrm;

struct Expected {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* caption; // nullptr: no caption to check
    bool shown;
};

// As the window stands after creation, before its first activation switches "Show Vectors"
// on; hidden bearing labels are rewritten by start-up and not checked here.
const Expected designed[] = {
    {"GroupBox1", "client", {3, 0, 582, 537}, "Ground Position", true},
    {"waterim", "GroupBox1", {2, 16, 578, 519}, nullptr, true},
    {"posgb", "GroupBox1", {8, 16, 153, 57}, "Displacement from Start", false},
    {"nslb", "posgb", {48, 16, 38, 14}, "0 m [N]", true},
    {"ewlb", "posgb", {48, 32, 37, 14}, "0 m [E]", true},
    {"copyshape", "GroupBox1", {120, 32, 65, 65}, nullptr, false},
    {"Image1", "GroupBox1", {208, 24, 105, 105}, nullptr, false},
    {"planesh", "GroupBox1", {216, 232, 9, 9}, nullptr, true},
    {"Startsh", "GroupBox1", {112, 352, 17, 17}, nullptr, false},
    {"stopsh", "GroupBox1", {488, 352, 17, 17}, nullptr, false},
    {"windshm", "GroupBox1", {480, 112, 7, 7}, nullptr, false},
    {"planeshm", "GroupBox1", {480, 296, 7, 7}, nullptr, false},
    // Start-up sets the ground speed, which lays the red arrow out from its tail.
    {"resultshm", "GroupBox1", {464, 424, 7, 7}, nullptr, false},
    {"movesh", "GroupBox1", {480, 192, 9, 9}, nullptr, false},
    {"windshb", "GroupBox1", {440, 56, 7, 7}, nullptr, false},
    {"windsht", "GroupBox1", {424, 40, 7, 7}, nullptr, false},
    {"planeshb", "GroupBox1", {496, 48, 7, 7}, nullptr, false},
    {"planesht", "GroupBox1", {480, 32, 7, 7}, nullptr, false},
    {"resultshb", "GroupBox1", {424, 424, 7, 7}, nullptr, false},
    {"resultsht", "GroupBox1", {504, 424, 7, 7}, nullptr, false},
    {"Panel1", "client", {588, 3, 197, 537}, nullptr, true},
    {"TabbedNotebook1", "Panel1", {2, 2, 193, 535}, nullptr, true},
    {"timerbt", "controlsPage", {8, 8, 75, 25}, "&Start", true},
    {"resetbt1", "controlsPage", {96, 8, 75, 25}, "&Reset", true},
    {"timelb", "controlsPage", {64, 40, 65, 14}, "Time: 0.00 s", true},
    {"tsb", "controlsPage", {16, 58, 153, 17}, nullptr, true},
    {"timefactorlb", "controlsPage", {54, 82, 77, 14}, "Time Factor: 2", true},
    {"timefactorsb", "controlsPage", {16, 101, 153, 17}, nullptr, true},
    {"repeatcb", "controlsPage", {116, 124, 65, 17}, "&Repeat", true},
    {"distancerb", "controlsPage", {8, 144, 177, 65}, "Distance Scale", true},
    {"stopstartcb", "controlsPage", {8, 216, 137, 17}, "Show Start/Finish", true},
    {"directionlb", "controlsPage", {0, 233, 185, 14}, "Direction:   75.2  m [E]", false},
    {"shorelb", "controlsPage", {48, 254, 89, 14}, "River Width: 50.0", false},
    {"shoresb", "controlsPage", {16, 272, 161, 17}, nullptr, false},
    {"notelb", "controlsPage", {8, 296, 177, 185}, "Note:", true},
    {"walkrb", "controlsPage", {16, 488, 81, 17}, "walkrb", false},
    {"relativerb", "controlsPage", {96, 488, 97, 17}, "relativerb", false},
    {"airlb", "velocitiesPage", {8, 8, 169, 14}, "Wind: 20.0 m/s [E]", true},
    {"airspeedsb", "velocitiesPage", {32, 24, 121, 17}, nullptr, true},
    {"Image10", "velocitiesPage", {23, 48, 17, 17}, nullptr, true},
    {"windim", "velocitiesPage", {40, 48, 100, 100}, nullptr, true},
    {"Image3", "velocitiesPage", {140, 48, 17, 17}, nullptr, true},
    {"currentlb", "velocitiesPage", {8, 80, 65, 14}, nullptr, false},
    {"Shape1", "velocitiesPage", {1, 152, 185, 1}, nullptr, true},
    {"planelb", "velocitiesPage", {8, 160, 169, 14}, "Plane: 20.0 m/s [E]", true},
    {"planespeedsb", "velocitiesPage", {32, 176, 121, 17}, nullptr, true},
    {"Image4", "velocitiesPage", {23, 200, 17, 17}, nullptr, true},
    {"planeim", "velocitiesPage", {40, 200, 100, 100}, nullptr, true},
    {"Image5", "velocitiesPage", {140, 200, 17, 17}, nullptr, true},
    {"transportlb", "velocitiesPage", {0, 264, 33, 14}, nullptr, false},
    {"Shape2", "velocitiesPage", {0, 307, 185, 1}, nullptr, true},
    {"rlb", "velocitiesPage", {8, 312, 169, 14}, nullptr, true},
    {"resultantsb", "velocitiesPage", {32, 328, 121, 17}, nullptr, true},
    {"Image6", "velocitiesPage", {23, 352, 17, 17}, nullptr, true},
    {"resultantim", "velocitiesPage", {40, 352, 100, 100}, nullptr, true},
    {"Image7", "velocitiesPage", {140, 352, 17, 17}, nullptr, true},
    {"resultantlb", "velocitiesPage", {16, 400, 14, 14}, nullptr, false},
    {"Shape3", "velocitiesPage", {0, 456, 185, 1}, nullptr, true},
    {"smalllb", "velocitiesPage", {16, 464, 25, 11}, "Small", false},
    {"scalelb", "velocitiesPage", {80, 464, 29, 14}, "Scale", false},
    {"largelb", "velocitiesPage", {160, 464, 26, 11}, "Large", false},
    {"timesb", "velocitiesPage", {16, 480, 161, 17}, nullptr, false},
    {"airim", "client", {568, 272, 200, 200}, nullptr, false},
    {"wim", "client", {584, 0, 200, 200}, nullptr, false},
    {"aim", "client", {600, 0, 200, 200}, nullptr, false},
    {"expgb", "client", {136, 88, 409, 241}, "Motion", false},
    {"expmem", "expgb", {16, 24, 377, 145}, nullptr, true},
    {"lsbt", "expgb", {24, 192, 75, 25}, "lsbt", true},
    {"cancelbt", "expgb", {120, 192, 75, 25}, "&Cancel", true},
    {"yngb", "expgb", {199, 173, 194, 57}, "Is this the right Experiment?", false},
    {"ybt", "yngb", {16, 24, 75, 25}, "&Yes", true},
    {"nbt", "yngb", {112, 24, 75, 25}, "&No", true},
    {"qb", "expgb", {8, 176, 393, 57}, "Relative Motion Question", false},
    {"okbt", "qb", {152, 21, 75, 25}, "&Ok", true},
};

// These labels size themselves to their caption; their width may differ by a few pixels.
const char* const selfSizing[] = {"nslb",    "ewlb",    "timelb",  "timefactorlb", "shorelb",
                                  "smalllb", "scalelb", "largelb", "resultantlb"};

QString captionOf(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    return {};
}

class WindowLayout : public ::testing::Test {
protected:
    FakePlatform platform;
    Trelativefrm window{platform};
};

TEST_F(WindowLayout, EveryControlSitsWhereDesigned) {
    for (const Expected& e : designed) {
        SCOPED_TRACE(e.name);
        auto* widget = window.findChild<QWidget*>(QLatin1String(e.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->parentWidget()->objectName(), QLatin1String(e.parent));
        EXPECT_EQ(widget->pos(), e.geometry.topLeft());
        const bool sizesItself =
            std::find_if(std::begin(selfSizing), std::end(selfSizing), [&](const char* n) {
                return qstrcmp(n, e.name) == 0;
            }) != std::end(selfSizing);
        if (sizesItself) {
            EXPECT_NEAR(widget->width(), e.geometry.width(), 4);
        } else {
            EXPECT_EQ(widget->width(), e.geometry.width());
        }
        EXPECT_EQ(widget->height(), e.geometry.height());
        if (e.caption) {
            EXPECT_EQ(captionOf(widget), QString::fromUtf8(e.caption));
        }
        EXPECT_EQ(!widget->isHidden(), e.shown);
    }
}

TEST_F(WindowLayout, PagesStartInsideTheNotebookAtTheirClientOrigin) {
    auto* notebook = window.findChild<QWidget*>(QStringLiteral("TabbedNotebook1"));
    for (const char* page : {"controlsPage", "velocitiesPage"}) {
        auto* widget = window.findChild<QWidget*>(QLatin1String(page));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->mapTo(notebook, QPoint(0, 0)), QPoint(4, 25)) << page;
    }
}

struct ExpectedBar {
    const char* name;
    int min, max, value, pageStep;
};

TEST_F(WindowLayout, ScrollBarsHaveTheirRangesStepsAndStartValues) {
    const ExpectedBar bars[] = {
        {"tsb", 0, 10000, 0, 10},           {"timefactorsb", 1, 10, 2, 2},
        {"shoresb", 0, 500, 250, 1},        {"airspeedsb", 0, 1000, 200, 10},
        {"planespeedsb", 0, 2000, 200, 10}, {"timesb", 1, 100, 50, 5},
    };
    for (const ExpectedBar& e : bars) {
        SCOPED_TRACE(e.name);
        auto* bar = window.findChild<QScrollBar*>(QLatin1String(e.name));
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(bar->orientation(), Qt::Horizontal);
        EXPECT_EQ(bar->minimum(), e.min);
        EXPECT_EQ(bar->maximum(), e.max);
        EXPECT_EQ(bar->value(), e.value);
        EXPECT_EQ(bar->pageStep(), e.pageStep);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_FALSE(bar->invertedControls());
        EXPECT_FALSE(bar->accessibleName().isEmpty());
    }
    auto* ground = window.findChild<QScrollBar*>(QStringLiteral("resultantsb"));
    EXPECT_EQ(ground->maximum(), 3000);
    EXPECT_EQ(ground->pageStep(), 10);
}

TEST_F(WindowLayout, DistanceScaleOffersSixItemsWithTheFirstChosen) {
    const QStringList captions{QStringLiteral("&100"),  QStringLiteral("&200"),
                               QStringLiteral("&500"),  QStringLiteral("&1000"),
                               QStringLiteral("&2000"), QStringLiteral("&5000")};
    auto* group = window.findChild<QGroupBox*>(QStringLiteral("distancerb"));
    const auto items = group->findChildren<QAbstractButton*>();
    ASSERT_EQ(items.size(), captions.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->text(), captions[i]);
        EXPECT_EQ(items[i]->isChecked(), i == 0) << i;
        EXPECT_LE(items[i]->geometry().right(), group->width());
        EXPECT_LE(items[i]->geometry().bottom(), group->height());
    }
    // Three columns, filled top to bottom.
    EXPECT_EQ(items[0]->x(), items[1]->x());
    EXPECT_LT(items[1]->x(), items[2]->x());
    EXPECT_LT(items[0]->y(), items[1]->y());
}

TEST_F(WindowLayout, ControlsWithoutCaptionsHaveAccessibleNames) {
    const std::pair<const char*, const char*> named[] = {
        {"airspeedsb", "Wind speed"}, {"windim", "Wind direction"},
        {"planesh", "Plane start"},   {"tsb", "Time"},
        {"waterim", "Ground view"},   {"planeim", "Plane direction"},
        {"timesb", "Vector scale"},   {"Image3", "Turn wind clockwise"}};
    for (const auto& [name, accessible] : named)
        EXPECT_EQ(window.findChild<QWidget*>(QLatin1String(name))->accessibleName(),
                  QLatin1String(accessible));
}

TEST_F(WindowLayout, WindowAndGroundViewArePaleYellowPanelsKhakiFontArialBold11) {
    const QColor pale(254, 253, 199), khaki(169, 150, 109);
    EXPECT_EQ(window.centralWidget()->palette().color(QPalette::Window), pale);
    for (const char* name : {"GroupBox1"})
        EXPECT_EQ(
            window.findChild<QWidget*>(QLatin1String(name))->palette().color(QPalette::Window),
            pale);
    for (const char* name : {"Panel1", "expgb"})
        EXPECT_EQ(
            window.findChild<QWidget*>(QLatin1String(name))->palette().color(QPalette::Window),
            khaki);
    const QFont font = window.findChild<QWidget*>(QStringLiteral("timelb"))->font();
    EXPECT_EQ(font.family(), QStringLiteral("Arial"));
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_EQ(window.findChild<QWidget*>(QStringLiteral("smalllb"))->font().pixelSize(), 9);
}

struct ExpectedItem {
    const char* name;
    const char* caption;
    const char* menu; // the menu it sits in; nullptr for the menu bar
    bool checkable;
    bool shown;
};

TEST_F(WindowLayout, MenuHoldsEveryDesignedItem) {
    const ExpectedItem items[] = {
        {"File1", "&File", nullptr, false, true},
        {"Experiment1", "Questions", "File1", false, true},
        {"Introduction1", "Introduction", "Experiment1", false, true},
        {"Easy1", "Easy", "Experiment1", false, true},
        {"Medium1", "Medium", "Experiment1", false, true},
        {"Hard1", "Hard", "Experiment1", false, true},
        {"Motion11", "Worksheets", "Experiment1", false, true},
        {"Workssheet11", "Works sheet #1", "Motion11", false, true},
        {"Fullsolution1", "Full solution", "Workssheet11", false, true},
        {"PartialSolution1", "Partial Solution", "Workssheet11", false, true},
        {"Motion21", "Motion 2", "Experiment1", false, false},
        {"Motion1", "Motion 3", "Experiment1", false, false},
        {"SaveMotion1", "&Save Motion", "File1", false, true},
        {"Openmotion1", "&Open Motion", "File1", false, true},
        {"Copyselect1", "Copy Select", "File1", true, true},
        {"Exit1", "E&xit", "File1", false, true},
        {"Options1", "&Options", nullptr, false, true},
        {"Showvectors1", "Show Vectors", "Options1", true, true},
        {"ShowShore1", "Show River", "Options1", true, true},
        {"Showposition1", "Show Displacement", "Options1", true, true},
        {"Units1", "Units: m,s", "Options1", false, true},
        {"ms1", "m,s", "Units1", false, true},
        {"kmh1", "km, h", "Units1", false, true},
        {"Help1", "&Help", nullptr, false, true},
        {"About1", "&About", "Help1", false, true},
    };
    for (const ExpectedItem& e : items) {
        SCOPED_TRACE(e.name);
        auto* action = window.findChild<QAction*>(QLatin1String(e.name));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text(), QLatin1String(e.caption));
        EXPECT_EQ(action->isCheckable(), e.checkable);
        EXPECT_FALSE(action->isChecked());
        EXPECT_EQ(action->isVisible(), e.shown);
        QWidget* holder = action->associatedObjects().isEmpty()
                              ? nullptr
                              : qobject_cast<QWidget*>(action->associatedObjects().constFirst());
        ASSERT_NE(holder, nullptr);
        if (e.menu) {
            EXPECT_EQ(holder->objectName(), QLatin1String(e.menu));
        } else {
            EXPECT_NE(qobject_cast<QMenuBar*>(holder), nullptr);
        }
    }
    // Two separators in the File menu: before "&Save Motion" and before "Copy Select"; Show
    // Question beside the questions.
    const auto fileItems = window.findChild<QMenu*>(QStringLiteral("File1"))->actions();
    QStringList order;
    for (const QAction* a : fileItems)
        order << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    EXPECT_EQ(order.join(QLatin1Char(' ')),
              QStringLiteral("Experiment1 ShowQuestion1 - SaveMotion1 Openmotion1 - Copyselect1 "
                             "Exit1"));
}

} // namespace
