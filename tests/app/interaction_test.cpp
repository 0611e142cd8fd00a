// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse gestures on the ground view, the dials and the turn buttons, through real input.
#include "app/qt_platform.h"
#include "app/window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace {

using zephyra::Shape;

// Presses on a widget, moves the pointer through the given points of its parent (the shape may
// move under it) and releases at the last one.
void drag(QWidget* widget, QPoint pressAt, const std::vector<QPoint>& parentPoints) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pressAt);
    for (const QPoint& p : parentPoints)
        QTest::mouseMove(widget, p - widget->pos());
    QTest::mouseRelease(widget, Qt::LeftButton, {}, parentPoints.back() - widget->pos());
}

QPoint corner(const Shape& s) {
    return {s.left, s.top};
}

// The tails and tips are laid out from the middles by the first drag of a middle.
void layOutArrows(QWidget* planeMiddle) {
    drag(planeMiddle, {3, 3}, {{300, 420}});
}

TEST_F(Window, DraggingThePlaneArrowsTailOntoTheWindTipJoinsThem) {
    ASSERT_TRUE(window.scene().showVectors);
    layOutArrows(find("planeshm"));
    ASSERT_FALSE(window.scene().vectorsJoined);
    const Shape& windTip = window.scene().windsht;
    const Shape& planeTail = window.scene().planeshb;
    const Shape& planeMiddle = window.scene().planeshm;
    const QPoint fromTailToMiddle = corner(planeMiddle) - corner(planeTail);
    // Carry the plane's tail to 3 px right of and 2 px below the wind's tip.
    const QPoint target = corner(windTip) + QPoint(3, 2) + fromTailToMiddle + QPoint(3, 3);
    drag(find("planeshm"), {3, 3}, {target - QPoint(40, 40), target - QPoint(10, 5), target});

    EXPECT_TRUE(window.scene().vectorsJoined);
    EXPECT_EQ(corner(planeTail), corner(windTip));
    EXPECT_EQ(find("planeshm")->pos(), corner(planeMiddle));
    EXPECT_FALSE(window.scene().dragging);
}

TEST_F(Window, AMiddleHandleFiveAwayOnAnAxisDoesNotJoin) {
    layOutArrows(find("planeshm"));
    const Shape& windTip = window.scene().windsht;
    const QPoint fromTailToMiddle =
        corner(window.scene().planeshm) - corner(window.scene().planeshb);
    const QPoint target = corner(windTip) + QPoint(5, 0) + fromTailToMiddle + QPoint(3, 3);
    drag(find("planeshm"), {3, 3}, {target});
    EXPECT_FALSE(window.scene().vectorsJoined);
    EXPECT_EQ(corner(window.scene().planeshb), corner(windTip) + QPoint(5, 0));
}

TEST_F(Window, HoldingATurnButtonTurnsByAHundredthOfADegreePerTick) {
    auto* clockwise = find("Image3");
    auto* timer = find<QTimer>("angletr");
    QSignalSpy ticks(timer, &QTimer::timeout);
    QTest::mousePress(clockwise, Qt::LeftButton, {}, {8, 8});
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(window.scene().windAngle, 0.0); // the press itself takes no step
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks.count() >= 12; }, 5000));
    QTest::mouseRelease(clockwise, Qt::LeftButton, {}, {8, 8});
    EXPECT_FALSE(timer->isActive());

    const int n = static_cast<int>(ticks.count());
    const double step = std::numbers::pi / 18000;
    EXPECT_NEAR(window.scene().windAngle, 2 * std::numbers::pi - n * step, 1e-9) << n << " ticks";
    EXPECT_TRUE(text("airlb").contains(QStringLiteral("[S ")));
    QTest::qWait(60);
    EXPECT_EQ(ticks.count(), n);
}

TEST_F(Window, ATurnButtonHeldWhileAPanelOpensOverItStopsTurning) {
    QWidget* button = find("Image4");
    QTest::mousePress(button, Qt::LeftButton, {}, {8, 8});
    ASSERT_TRUE(find<QTimer>("angletr")->isActive());
    choose("SaveMotion1"); // disables the page under the held button, which gets no release
    EXPECT_FALSE(find<QTimer>("angletr")->isActive());
    QTest::mouseRelease(button, Qt::LeftButton, {}, {8, 8});
    EXPECT_FALSE(find<QTimer>("angletr")->isActive());
}

TEST_F(Window, ADragEndsWhereItWasWhenAMenuOpenedByAKeyTakesTheMouse) {
    QWidget* carrier = find("movesh");
    QTest::mousePress(carrier, Qt::LeftButton, {}, {4, 4});
    QTest::mouseMove(carrier, {14, 24});
    ASSERT_TRUE(window.scene().dragging);
    const int left = window.scene().movesh.left;
    QTest::keyClick(&window, 'f', Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
    EXPECT_FALSE(window.scene().dragging);
    EXPECT_EQ(window.scene().movesh.left, left);
    QApplication::activePopupWidget()->close();
}

TEST_F(Window, ATurnButtonStopsWhenTheWindowOrAMenuTakesTheMouse) {
    QTest::mousePress(find("Image4"), Qt::LeftButton, {}, {8, 8});
    ASSERT_TRUE(find<QTimer>("angletr")->isActive());
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&window, &deactivate);
    EXPECT_FALSE(find<QTimer>("angletr")->isActive());
    EXPECT_FALSE(window.scene().angletrEnabled);
    QTest::mouseRelease(find("Image4"), Qt::LeftButton, {}, {8, 8});

    // A menu opened during the hold takes the release with the mouse.
    QTest::mousePress(find("Image4"), Qt::LeftButton, {}, {8, 8});
    ASSERT_TRUE(find<QTimer>("angletr")->isActive());
    QTest::keyClick(&window, 'f', Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 5000));
    EXPECT_FALSE(find<QTimer>("angletr")->isActive());
    EXPECT_FALSE(window.scene().angletrEnabled);
    QApplication::activePopupWidget()->close();
}

TEST_F(Window, DraggingADialOutsideItKeepsTurningTheVector) {
    auto* dial = find("windim");
    QTest::mousePress(dial, Qt::LeftButton, {}, {80, 50});
    EXPECT_NEAR(window.scene().windAngle, 0.0, 1e-12);
    QTest::mouseMove(dial, {50, -200}); // far above the dial
    EXPECT_NEAR(window.scene().windAngle, std::numbers::pi / 2, 1e-12);
    EXPECT_TRUE(text("airlb").endsWith(QStringLiteral("[N]")));
    QTest::mouseMove(dial, {-300, 50}); // far to its left
    EXPECT_NEAR(window.scene().windAngle, std::numbers::pi, 1e-12);
    QTest::mouseRelease(dial, Qt::LeftButton, {}, {-300, 50});
    EXPECT_TRUE(text("airlb").endsWith(QStringLiteral("[W]")));
    EXPECT_FALSE(window.scene().dragging);
}

// Scripted dialogs, but the desktop's real clipboard.
class ClipboardPlatform : public FakePlatform {
public:
    void setClipboardImage(const QImage& image) override {
        FakePlatform::setClipboardImage(image);
        desktop.setClipboardImage(image);
    }
    zephyra::QtPlatform desktop;
};

using CopyWindow = WindowWith<ClipboardPlatform>;

TEST_F(CopyWindow, CopySelectPutsTheSelectedPixelsOnTheClipboard) {
    QGuiApplication::clipboard()->clear();
    choose("Copyselect1");
    auto* view = find("waterim");
    QTest::mousePress(view, Qt::LeftButton, {}, {90, 70});
    QTest::mouseMove(view, {60, 40}); // up and to the left of the press
    EXPECT_FALSE(find("copyshape")->isHidden());
    EXPECT_EQ(find("copyshape")->geometry(), QRect(2 + 60, 16 + 40, 30, 30));
    QTest::mouseMove(view, {20, 30});
    QTest::mouseRelease(view, Qt::LeftButton, {}, {20, 30});
    EXPECT_TRUE(find("copyshape")->isHidden());

    const QImage expected = window.scene().waterim.copy(20, 30, 70, 40);
    ASSERT_EQ(platform.clipboard.size(), 1u);
    const QImage copied = QGuiApplication::clipboard()->image().convertToFormat(expected.format());
    EXPECT_EQ(copied.size(), QSize(70, 40));
    EXPECT_EQ(copied, expected);
}

} // namespace
