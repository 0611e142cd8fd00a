// SPDX-License-Identifier: GPL-3.0-or-later
// The window at other sizes: the client area scaled to fit, zoom steps, full screen, and
// input through the scaled view landing on the same designed pixels.
#include "app/window_fixture.h"
#include "app/zoom_host.h"
#include "ground_view/ground_view.h"
#include "scene/artwork.h"
#include "scene/scene.h"

#include <QAccessible>
#include <QApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QMenuBar>
#include <QScreen>
#include <QTabBar>
#include <QToolTip>

#include <map>

namespace {

using zephyra::nextZoomStep;
using zephyra::Shape;
using zephyra::ZoomHost;

QPoint at(const Shape& shape) {
    return {shape.left, shape.top};
}

TEST(Zoom, FitsTheLargestUniformScaleAndStepsByAQuarterAsFarAsTheScreenHolds) {
    EXPECT_DOUBLE_EQ(zephyra::fittingScale({792, 546}), 1.0);
    EXPECT_DOUBLE_EQ(zephyra::fittingScale({1584, 2000}), 2.0);          // the width decides
    EXPECT_DOUBLE_EQ(zephyra::fittingScale({1920, 1050}), 1050.0 / 546); // the height does
    EXPECT_DOUBLE_EQ(zephyra::fittingScale({640, 480}), 640.0 / 792);
    EXPECT_DOUBLE_EQ(zephyra::fittingScale({0, 0}), 0.1); // never nothing

    // 1920 × 1080 under a 20-pixel menu: 175 % is 1386 × 955.5 + 20; 200 % is 1112 high.
    EXPECT_EQ(zephyra::zoomSteps({1920, 1080}, 20), (std::vector<int>{100, 125, 150, 175}));
    EXPECT_EQ(zephyra::zoomSteps({990, 703}, 20), (std::vector<int>{100, 125})); // just fits
    EXPECT_EQ(zephyra::zoomSteps({989, 703}, 20), (std::vector<int>{100}));
    EXPECT_EQ(zephyra::zoomSteps({640, 480}, 20), (std::vector<int>{100}));

    const std::vector<int> steps{100, 125, 150, 175};
    EXPECT_EQ(nextZoomStep(steps, 1.0, 1), 125);
    EXPECT_EQ(nextZoomStep(steps, 1.3, 1), 150); // between steps after a resize
    EXPECT_EQ(nextZoomStep(steps, 1.3, -1), 125);
    EXPECT_EQ(nextZoomStep(steps, 1.2549, 1), 150); // on a step, within half a percent
    EXPECT_EQ(nextZoomStep(steps, 1.75, 1), std::nullopt);
    EXPECT_EQ(nextZoomStep(steps, 1.0, -1), std::nullopt);
    EXPECT_EQ(nextZoomStep(steps, 0.8, -1), std::nullopt); // a small screen: nothing smaller
    EXPECT_EQ(nextZoomStep(steps, 0.8, 1), 100);
}

// The fixture's window shown at zoom 2, its controls reached through the client.
struct Zoomed : Window {
    void SetUp() override {
        Window::SetUp();
        host = window.findChild<ZoomHost*>();
        client = host->client();
        window.resize(window.designedSize(2.0));
        ASSERT_TRUE(QTest::qWaitFor([&] { return host->scale() == 2.0; }, 5000));
        view = window.findChild<QGraphicsView*>(QStringLiteral("zoomView"));
    }
    QWidget* inClient(const char* name) {
        auto* found = client->findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Where the view shows a point of the client area, in the view's device pixels.
    QPoint shown(QWidget* widget, QPoint inWidget) {
        return view->mapFromScene(QPointF(widget->mapTo(client, inWidget)));
    }

    ZoomHost* host = nullptr;
    QWidget* client = nullptr;
    QGraphicsView* view = nullptr;
};

TEST_F(Zoomed, ShowsTheDesignedClientAreaTwiceAsLargeCentredAndBackAtActualSize) {
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_NE(client->graphicsProxyWidget(), nullptr);
    EXPECT_EQ(client->size(), QSize(792, 546)); // its widgets keep their designed geometry
    EXPECT_EQ(host->clientRect(), QRect(0, 0, 1584, 1092));
    EXPECT_EQ(view->mapFromScene(QPointF(792, 546)), QPoint(1584, 1092));

    window.resize(window.designedSize(2.0) + QSize(100, 0)); // wider: centred between margins
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->clientRect().x() == 50; }, 5000));
    EXPECT_EQ(view->mapFromScene(QPointF(0, 0)), QPoint(50, 0));

    choose("ActualSize1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->scale() == 1.0; }, 5000));
    EXPECT_EQ(window.size(), window.designedSize(1.0));
    EXPECT_EQ(client->graphicsProxyWidget(), nullptr);
    EXPECT_EQ(client->parentWidget(), host);
    EXPECT_EQ(client->pos(), QPoint(0, 0));
    EXPECT_FALSE(view->isVisible());
    EXPECT_NE(find("planeshm"), nullptr); // a child of the window again
}

TEST_F(Zoomed, TheGroundViewIsShownAsItsSharpPictureAndTheMarginsInTheWindowsColour) {
    window.resize(window.designedSize(2.0) + QSize(100, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->clientRect().x() == 50; }, 5000));
    const QImage shownView =
        view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shownView.pixel(20, 300), zephyra::windowColour | 0xff000000u);
    EXPECT_EQ(shownView.pixel(shownView.width() - 20, 300), zephyra::windowColour | 0xff000000u);

    QWidget* ground = inClient("waterim");
    const QImage sharp = zephyra::groundViewAt(window.scene(), 2.0, zephyra::skyTile(2.0));
    const QPoint origin = shown(ground, {0, 0});
    // What lies over the ground view (the arrows' handles) is left out.
    QRegion covered;
    for (const QWidget* above : ground->parentWidget()->findChildren<QWidget*>())
        if (above != ground && above->isVisible())
            covered += QRect(shown(const_cast<QWidget*>(above), {0, 0}), above->size() * 2);
    int differing = 0;
    for (int y = 0; y < sharp.height(); ++y)
        for (int x = 0; x < sharp.width(); ++x)
            if (!covered.contains(origin + QPoint(x, y)) &&
                shownView.pixel(origin + QPoint(x, y)) != sharp.pixel(x, y))
                ++differing;
    EXPECT_EQ(differing, 0);
}

// Counts the paint events of the widgets it watches.
struct Paints : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count[watched];
        return false;
    }
    std::map<QObject*, int> count;
};

TEST_F(Zoomed, InFlightTheGroundViewAndReadOutsRepaintButNotTheControlsBetweenThem) {
    Paints paints;
    QWidget* ground = inClient("waterim");
    QWidget* reset = inClient("resetbt1");
    QWidget* tabs = client->findChild<QTabBar*>();
    ASSERT_NE(tabs, nullptr);
    for (QWidget* watched : {ground, reset, tabs})
        watched->installEventFilter(&paints);
    QTest::keyClick(window.windowHandle(), Qt::Key_S, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.scene().tsb.position > 4; }, 5000));
    paints.count.clear();
    const int from = window.scene().tsb.position;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.scene().tsb.position > from + 10; }, 5000));
    EXPECT_GT(paints.count[ground], 0);
    EXPECT_EQ(paints.count[reset], 0);
    EXPECT_EQ(paints.count[tabs], 0);
}

TEST_F(Zoomed, ADragOfDevicePixelsMovesByHalfAsManyDesignedPixelsAndJoinsAsAtZoomOne) {
    QWidget* plane = inClient("planesh");
    const QPoint start = at(window.scene().planesh);
    const QPoint from = shown(plane, {4, 4});
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view->viewport(), from + QPoint(13, 0));
    QTest::mouseMove(view->viewport(), from + QPoint(20, -7));
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, from + QPoint(20, -7));
    EXPECT_EQ(at(window.scene().planesh), start + QPoint(10, -4)); // -7 / 2 reaches pixel -4

    // The plane arrow's tail carried onto the wind arrow's tip, as at zoom 1.
    QWidget* middle = inClient("planeshm");
    const auto dragMiddle = [&](QPoint designedTarget) {
        const QPoint press = shown(middle, {3, 3});
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, press);
        const QPoint to =
            view->mapFromScene(QPointF(middle->parentWidget()->mapTo(client, designedTarget)));
        QTest::mouseMove(view->viewport(), to);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    };
    dragMiddle({300, 420}); // lays out the tails and tips
    const zephyra::Scene& scene = window.scene();
    ASSERT_FALSE(scene.vectorsJoined);
    const QPoint target =
        at(scene.windsht) + QPoint(3, 2) + (at(scene.planeshm) - at(scene.planeshb)) + QPoint(3, 3);
    dragMiddle(target);
    EXPECT_TRUE(scene.vectorsJoined);
    EXPECT_EQ(at(scene.planeshb), at(scene.windsht));
    EXPECT_EQ(middle->pos(), at(scene.planeshm));
}

TEST_F(Zoomed, AKeyThroughTheViewStepsOneDesignedPixelAndAssistiveToolsSeeScaledPlaces) {
    QWidget* plane = inClient("planesh");
    view->setFocus();
    plane->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(plane->hasFocus());
    const QPoint start = at(window.scene().planesh);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(at(window.scene().planesh), start + QPoint(1, 0));
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(at(window.scene().planesh), start + QPoint(1, 10));

    QAccessibleInterface* shape = QAccessible::queryAccessibleInterface(plane);
    ASSERT_NE(shape, nullptr);
    const QRect expected(view->viewport()->mapToGlobal(shown(plane, {0, 0})), plane->size() * 2);
    EXPECT_EQ(shape->rect(), expected);
}

TEST_F(Window, FullScreenByItsKeyAndEscapeLeavesItUnlessAPanelIsOpen) {
    ASSERT_TRUE(find<QAction>("FullScreen1")->shortcuts().contains(QKeySequence(Qt::Key_F11)));
    EXPECT_TRUE(
        find<QAction>("ZoomIn1")->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)));
    choose("FullScreen1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isFullScreen(); }, 5000));
    choose("Openmotion1"); // the motion panel: Escape is its Cancel
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_TRUE(window.isFullScreen());
    EXPECT_FALSE(window.scene().expgbVisible);
    QTest::keyClick(&window, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isFullScreen(); }, 5000));
}

} // namespace

namespace {

TEST_F(Zoomed, TheFocusComesBackFromAQuestionAndTabGoesOnToTheArrows) {
    // Keys as the window system sends them: to the window, which gives them to its focus.
    QWindow* keys = window.windowHandle();
    choose("AddingVectors1");
    QTest::keyClick(keys, Qt::Key_Space); // the question box's Ok has the focus
    EXPECT_FALSE(window.scene().qbVisible);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(keys, Qt::Key_Tab);
    // The view has the window's focus; the client's own focus is inside it.
    EXPECT_EQ(QApplication::focusWidget(), view);
    ASSERT_NE(client->focusWidget(), nullptr);
    EXPECT_EQ(client->focusWidget()->objectName().toStdString(), "planeshm");
}

} // namespace

namespace {

TEST_F(Zoomed, AcceleratorsAnswerAsAtTheDesignedSize) {
    QWindow* keys = window.windowHandle();
    QTest::keyClick(keys, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(window.scene().notebookPage, 1);
    QTest::keyClick(keys, Qt::Key_S, Qt::AltModifier); // Start, from the Velocities page
    EXPECT_TRUE(window.scene().running);
    QTest::keyClick(keys, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(window.scene().notebookPage, 0);
    QTest::keyClick(keys, Qt::Key_S, Qt::AltModifier); // Stop, the button's own
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.scene().running; }, 5000));
    // Reset and Repeat share a letter: it moves the focus between them and presses neither.
    QTest::keyClick(keys, Qt::Key_R, Qt::AltModifier);
    const std::string first = client->focusWidget()->objectName().toStdString();
    QTest::keyClick(keys, Qt::Key_R, Qt::AltModifier);
    const std::string second = client->focusWidget()->objectName().toStdString();
    EXPECT_NE(first, second);
    EXPECT_TRUE(first == "resetbt1" || first == "repeatcb") << first;
    EXPECT_FALSE(window.scene().repeat);
}

} // namespace

#include "app/designed_look.h"
#include "app/qt_platform.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>

namespace {

// The font size of a widget in points, or in pixels where it has no point size.
double fontSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

// Opens a modal box with open, and hands it to look at before it is closed.
template <class Box>
void lookAtModal(const std::function<void()>& open, const std::function<void(Box&)>& look) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        look(*box);
        box->reject();
    });
    open();
    EXPECT_TRUE(seen);
}

TEST_F(Zoomed, MenusAndBoxesAreShownTwiceAsLargeAndTheMenuBarLeavesTheClientAreaItsRoom) {
    QMenuBar* bar = window.menuBar();
    QMenu* file = find<QAction>("File1")->menu();
    QStyle* designed = QApplication::style();
    const double hintSize = fontSize(QToolTip::font());
    EXPECT_DOUBLE_EQ(fontSize(file->font()), 2 * fontSize(QApplication::font(file)));
    EXPECT_DOUBLE_EQ(fontSize(bar->font()), 2 * fontSize(QApplication::font(bar)));
    EXPECT_EQ(file->style()->pixelMetric(QStyle::PM_IndicatorWidth),
              2 * designed->pixelMetric(QStyle::PM_IndicatorWidth));
    EXPECT_EQ(file->style()->pixelMetric(QStyle::PM_SmallIconSize),
              2 * designed->pixelMetric(QStyle::PM_SmallIconSize));
    // The window was made for the menu bar shown at 2: the client area has its full height.
    EXPECT_EQ(window.height(), bar->height() + 1092);
    EXPECT_EQ(host->height(), 1092);

    zephyra::QtPlatform desktop;
    desktop.setWindow(&window);
    const QString check = QStringLiteral("Your ground velocity: 20.0 m/s [E]. Wind + plane: 40.0 "
                                         "m/s [E]. Off by 20.0 m/s and 0.0°.");
    int zoomedWidth = 0;
    lookAtModal<QMessageBox>(
        [&] { desktop.showMessage(check); },
        [&](QMessageBox& box) {
            EXPECT_DOUBLE_EQ(fontSize(box.font()), 2 * fontSize(QApplication::font(&box)));
            EXPECT_EQ(box.iconPixmap().width(),
                      2 * designed->pixelMetric(QStyle::PM_MessageBoxIconSize));
            zoomedWidth = box.width();
        });
    lookAtModal<QFileDialog>([&] { desktop.openFileName({}, QStringLiteral("*.rel"), {}); },
                             [&](QFileDialog& dialog) {
                                 EXPECT_DOUBLE_EQ(fontSize(dialog.font()),
                                                  2 * fontSize(QApplication::font(&dialog)));
                                 EXPECT_EQ(dialog.size(), QFileDialog().size() * 2);
                             });

    // At the designed size the menus wear the designed font and style again.
    choose("ActualSize1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->scale() == 1.0; }, 5000));
    EXPECT_EQ(file->font(), QApplication::font(file));
    EXPECT_EQ(file->style(), designed);
    EXPECT_EQ(bar->font(), QApplication::font(bar));
    EXPECT_EQ(window.height(), bar->height() + 546);
    EXPECT_DOUBLE_EQ(hintSize, 2 * fontSize(QToolTip::font())); // the shapes' hints as well
    // A long message keeps its lines: its box is twice as wide, not wrapped twice as often.
    lookAtModal<QMessageBox>(
        [&] { desktop.showMessage(check); },
        [&](QMessageBox& box) { EXPECT_NEAR(zoomedWidth, 2 * box.width(), 16); });
}

} // namespace
namespace {

TEST_F(Zoomed, QtsOwnControlsAndTheNotebooksTabsTellAssistiveToolsWhereTheyAreSeen) {
    // Where the view shows the rectangle rect of widget, on the screen.
    const auto seen = [&](QWidget* widget, const QRect& rect) {
        return QRect(view->viewport()->mapToGlobal(shown(widget, rect.topLeft())), rect.size() * 2);
    };
    for (const char* name : {"timerbt", "timelb", "GroupBox1", "TabbedNotebook1"}) {
        QWidget* widget = inClient(name);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->rect(),
                  seen(widget, widget->rect()))
            << name;
    }
    auto* tabs = client->findChild<QTabBar*>();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs);
    QAccessibleInterface* velocities = bar->child(1);
    EXPECT_EQ(velocities->text(QAccessible::Name), QStringLiteral("Velocities"));
    EXPECT_EQ(velocities->rect(), seen(tabs, tabs->tabRect(1)));
    EXPECT_EQ(bar->indexOfChild(velocities), 1);
    const QPoint middle = velocities->rect().center();
    EXPECT_EQ(bar->childAt(middle.x(), middle.y()), velocities);

    // The same interfaces at the designed size.
    choose("ActualSize1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return host->scale() == 1.0; }, 5000));
    QWidget* start = inClient("timerbt");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(start)->rect(),
              QRect(start->mapToGlobal(QPoint(0, 0)), start->size()));
    EXPECT_EQ(velocities->rect().size(), tabs->tabRect(1).size());
}

} // namespace
