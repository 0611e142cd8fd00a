// SPDX-License-Identifier: GPL-3.0-or-later
// The window without a mouse: Tab, the keys of handles, dials and turn buttons, the standard
// keys, and the motion panel.
#include "app/guide_location.h"
#include "app/notebook.h"
#include "app/spoken_notice.h"
#include "app/window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using zephyra::Shape;

QPoint at(const Shape& shape) {
    return {shape.left, shape.top};
}

// Names of the controls Tab visits, once round the chain from the focused one.
QStringList tabChain() {
    QStringList names;
    QWidget* first = QApplication::focusWidget();
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == first)
            break;
        names << now->objectName();
    }
    return names;
}

TEST_F(Window, TabReachesEveryShownControlAndNoHiddenOne) {
    QTest::mouseClick(find<QCheckBox>("stopstartcb"), Qt::LeftButton);
    find("timerbt")->setFocus(Qt::TabFocusReason);
    const QStringList controls = tabChain();
    for (const char* name : {"waterim", "Startsh", "stopsh", "planesh", "windshm", "planeshm",
                             "resultshm", "resetbt1", "tsb", "timefactorsb", "repeatcb"})
        EXPECT_TRUE(controls.contains(QLatin1String(name))) << name;
    for (const QString& name : controls)
        EXPECT_TRUE(find(name.toLatin1().constData())->isVisible()) << name.toStdString();

    QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
    find("airspeedsb")->setFocus(Qt::TabFocusReason);
    const QStringList velocities = tabChain();
    for (const char* name : {"windim", "planeim", "resultantim", "Image10", "Image3", "Image4",
                             "Image5", "Image6", "Image7", "planespeedsb", "resultantsb"})
        EXPECT_TRUE(velocities.contains(QLatin1String(name))) << name;
    EXPECT_FALSE(velocities.contains(QStringLiteral("tsb")));
}

// Moves a focused handle by (dx, dy) with arrow keys: tens with Shift, then ones.
void moveByKeys(QWidget* handle, int dx, int dy) {
    handle->setFocus(Qt::TabFocusReason);
    const auto press = [&](int count, Qt::Key positive, Qt::Key negative, int step) {
        for (int i = 0; i < std::abs(count) / step; ++i)
            QTest::keyClick(handle, count > 0 ? positive : negative,
                            step == 10 ? Qt::ShiftModifier : Qt::NoModifier);
    };
    press(dx, Qt::Key_Right, Qt::Key_Left, 10);
    press(dx % 10, Qt::Key_Right, Qt::Key_Left, 1);
    press(dy, Qt::Key_Down, Qt::Key_Up, 10);
    press(dy % 10, Qt::Key_Down, Qt::Key_Up, 1);
}

// The same steps as moveByKeys, each as a press, a move by the step and a release.
void moveByMouse(QWidget* handle, int dx, int dy) {
    const QPoint centre(handle->width() / 2, handle->height() / 2);
    const auto drag = [&](QPoint step) {
        QTest::mousePress(handle, Qt::LeftButton, {}, centre);
        QTest::mouseMove(handle, centre + step);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, centre + step);
    };
    const auto steps = [&](int count, QPoint unit, int size) {
        for (int i = 0; i < std::abs(count) / size; ++i)
            drag(unit * (count > 0 ? size : -size));
    };
    steps(dx, {1, 0}, 10);
    steps(dx % 10, {1, 0}, 1);
    steps(dy, {0, 1}, 10);
    steps(dy % 10, {0, 1}, 1);
}

TEST_F(Window, KeysJoinThePlaneArrowToTheWindArrowExactlyAsTheSameDragsDo) {
    const zephyra::Scene& scene = window.scene();
    ASSERT_TRUE(scene.showVectors);
    moveByKeys(find("windshm"), 1, 0); // a first drag lays out the arrows' ends
    moveByKeys(find("windshm"), -1, 0);
    const QPoint gap = at(scene.windshb) - at(scene.planesht);
    moveByKeys(find("planeshm"), gap.x(), gap.y());
    EXPECT_TRUE(scene.vectorsJoined);
    EXPECT_EQ(at(scene.planesht), at(scene.windshb)); // the plane's tip on the wind's tail
    EXPECT_FALSE(find("movesh")->isHidden());

    FakePlatform otherPlatform;
    zephyra::Trelativefrm other(otherPlatform);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    moveByMouse(other.findChild<QWidget*>(QStringLiteral("windshm")), 1, 0);
    moveByMouse(other.findChild<QWidget*>(QStringLiteral("windshm")), -1, 0);
    moveByMouse(other.findChild<QWidget*>(QStringLiteral("planeshm")), gap.x(), gap.y());
    const zephyra::Scene& mouse = other.scene();
    EXPECT_EQ(mouse.vectorsJoined, scene.vectorsJoined);
    for (Shape zephyra::Scene::*shape :
         {&zephyra::Scene::planeshm, &zephyra::Scene::planesht, &zephyra::Scene::planeshb,
          &zephyra::Scene::windshm, &zephyra::Scene::movesh})
        EXPECT_EQ(at(mouse.*shape), at(scene.*shape));
}

TEST_F(Window, MarkersAndThePlaneStartMoveByKeys) {
    QTest::mouseClick(find<QCheckBox>("stopstartcb"), Qt::LeftButton);
    const QPoint start = at(window.scene().Startsh);
    moveByKeys(find("Startsh"), 10, 0);
    EXPECT_EQ(at(window.scene().Startsh), start + QPoint(10, 0));
    EXPECT_EQ(text("directionlb"), QStringLiteral("Direction:   73.2  m [E]"));
    EXPECT_EQ(find("stopsh")->toolTip(), QStringLiteral(" 0.0 m [S] and \n73.2 m [E] "));
    const QPoint plane = at(window.scene().planesh);
    moveByKeys(find("planesh"), 0, -3);
    EXPECT_EQ(at(window.scene().planesh), plane - QPoint(0, 3));
}

struct DialKeys {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int times;
    const char* label;
};

TEST_F(Window, DialKeysTurnTheWindAsAPressOnTheDialDoes) {
    const DialKeys cases[] = {
        {Qt::Key_Right, Qt::NoModifier, 30, "Wind: 20.0 m/s [S 60.0° E]"},
        {Qt::Key_N, Qt::NoModifier, 1, "Wind: 20.0 m/s [N]"},
        {Qt::Key_Left, Qt::ShiftModifier, 3, "Wind: 20.0 m/s [N 30.0° W]"},
        {Qt::Key_W, Qt::NoModifier, 1, "Wind: 20.0 m/s [W]"},
        {Qt::Key_S, Qt::NoModifier, 1, "Wind: 20.0 m/s [S]"},
        {Qt::Key_Left, Qt::ControlModifier, 100, "Wind: 20.0 m/s [S 1.0° E]"},
        {Qt::Key_E, Qt::NoModifier, 1, "Wind: 20.0 m/s [E]"},
    };
    QWidget* dial = find("windim");
    dial->setFocus(Qt::TabFocusReason);
    for (const DialKeys& c : cases) {
        for (int i = 0; i < c.times; ++i)
            QTest::keyClick(dial, c.key, c.modifiers);
        EXPECT_EQ(text("airlb"), QString::fromUtf8(c.label));
        EXPECT_EQ(dial->accessibleDescription(), QString::fromUtf8(c.label));
    }
    EXPECT_EQ(window.scene().windAngle, 0.0);
}

TEST_F(Window, AFocusedDialsNewReadOutIsToldOnceItsKeysStop) {
    QWidget* dial = find("windim");
    dial->setFocus(Qt::TabFocusReason);
    auto* notice = window.findChild<zephyra::SpokenNotice*>();
    ASSERT_NE(notice, nullptr);
    for (int i = 0; i < 30; ++i)
        QTest::keyClick(dial, Qt::Key_Right);
    const QString turned = QStringLiteral("Wind: 20.0 m/s [S 60.0° E]");
    ASSERT_TRUE(QTest::qWaitFor([&] { return notice->told().endsWith(turned); }, 5000))
        << notice->told().toStdString();
}

TEST_F(Window, TurnButtonsTurnByOneStepOnTheirPressActionAndWhileSpaceIsHeld) {
    QWidget* button = find("Image10");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Turn wind counter-clockwise"));
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window.scene().windAngle, 0.00017453292519943296);
    EXPECT_FALSE(window.scene().angletrEnabled);

    button->setFocus(Qt::TabFocusReason);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(window.scene().angletrEnabled);
    QTest::keyPress(button, Qt::Key_Space, {}, -1); // a key repeat starts nothing new
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return window.scene().windAngle > 2 * 0.00017453292519943296; }, 5000));
    QTest::keyRelease(button, Qt::Key_Space);
    EXPECT_FALSE(window.scene().angletrEnabled);
    EXPECT_GT(window.scene().windAngle, 2 * 0.00017453292519943296);
}

TEST_F(Window, AltAloneLeavesTheFocusWhereItWasAndF10OpensTheMenus) {
    QWidget* dial = find("windim");
    dial->setFocus(Qt::TabFocusReason);
    QTest::keyClick(dial, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(dial->hasFocus());
    EXPECT_EQ(window.menuBar()->activeAction(), nullptr);
    QTest::keyClick(dial, Qt::Key_F10);
    ASSERT_NE(window.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(window.menuBar()->activeAction()->text(), QStringLiteral("&File"));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return QApplication::activePopupWidget() != nullptr; }, 5000));
    QApplication::activePopupWidget()->close();
}

TEST_F(Window, CtrlCOnTheGroundViewCopiesTheWholePicture) {
    QWidget* ground = find("waterim");
    ground->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ground, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(platform.clipboard.size(), 1U);
    EXPECT_EQ(platform.clipboard.front().size(), QSize(578, 519));
    EXPECT_EQ(platform.clipboard.front(), window.scene().waterim);
}

TEST_F(Window, StandardKeysShowInTheMenusAndF1OpensTheGuide) {
    const std::pair<const char*, const char*> keys[] = {{"Openmotion1", "Ctrl+O"},
                                                        {"SaveMotion1", "Ctrl+S"},
                                                        {"Exit1", "Ctrl+Q"},
                                                        {"UserGuide1", "F1"}};
    for (const auto& [item, key] : keys)
        EXPECT_EQ(find<QAction>(item)->shortcut(), QKeySequence(QLatin1String(key))) << item;
    EXPECT_EQ(find<QAction>("UserGuide1")->text(), QStringLiteral("&User Guide"));
    QTest::keyClick(&window, Qt::Key_F1);
    ASSERT_EQ(platform.openedUrls.size(), 1U);
    EXPECT_EQ(platform.openedUrls.front(), zephyra::guideUrl());
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window.scene().expgbCaption, QStringLiteral("Load a Plane Motion"));
}

TEST_F(Window, ThePanelTakesTheFocusAndGivesItBack) {
    QWidget* before = find("planesh");
    before->setFocus(Qt::TabFocusReason);
    choose("SaveMotion1");
    auto* memo = find<QPlainTextEdit>("expmem");
    EXPECT_EQ(QApplication::focusWidget(), memo);
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find("lsbt")); // Tab leaves the box
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(find("expgb")->isHidden());
    EXPECT_TRUE(window.scene().panel1Enabled); // as "&Cancel" does
    EXPECT_EQ(QApplication::focusWidget(), before);

    choose("Openmotion1");
    EXPECT_EQ(QApplication::focusWidget(), find("lsbt"));
    choose("AddingVectors1");
    EXPECT_EQ(QApplication::focusWidget(), find("okbt"));
    for (const char* covered : {"lsbt", "cancelbt", "ybt", "nbt"})
        EXPECT_FALSE(find(covered)->isVisible()) << covered;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // no Cancel on offer
    EXPECT_FALSE(find("expgb")->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return find("expgb")->isHidden(); }, 5000));
    EXPECT_EQ(QApplication::focusWidget(), before);
}

TEST_F(Window, TheQuestionBoxHidesWhatItCovers) {
    choose("AddingVectors1");
    QWidget* box = find("qb");
    const QImage shown = box->grab().toImage();
    // Inside the box's frame where the load/save button and Cancel lie (left of "&Ok"), one
    // even colour: the box's own.
    const QRect covered(16, 22, 130, 18);
    const QRgb colour = shown.pixel(covered.topLeft());
    for (int y = covered.top(); y <= covered.bottom(); ++y)
        for (int x = covered.left(); x <= covered.right(); ++x)
            ASSERT_EQ(shown.pixel(x, y), colour) << x << ", " << y;
    EXPECT_LT(qAbs(qRed(colour) - 169) + qAbs(qGreen(colour) - 150) + qAbs(qBlue(colour) - 109), 8);
}

// Each road into the explanation box clears the placeholder before the first typed letter.
TEST_F(Window, ThePlaceholderGivesWayWhicheverWayTheFocusComesIn) {
    auto* memo = find<QPlainTextEdit>("expmem");
    const auto typeHello = [&] {
        QTest::keyClicks(memo, QStringLiteral("hello"));
        EXPECT_EQ(window.scene().expmemText, QStringLiteral("hello"));
    };
    choose("SaveMotion1"); // the panel opening
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Type in explaination here!"));
    typeHello();

    choose("SaveMotion1"); // Tab back from the Save button
    find("lsbt")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(find("lsbt"), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(memo->toPlainText(), QString());
    typeHello();

    // The window's activation, then a click into the box it already focused.
    choose("SaveMotion1");
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(QApplication::focusWidget(), memo);
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, {20, 10});
    EXPECT_EQ(memo->toPlainText(), QString());
    typeHello();

    choose("SaveMotion1"); // activation alone, then typing
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    typeHello();
}

} // namespace
