// SPDX-License-Identifier: GPL-3.0-or-later
// The motion panel, the markers' hints and the keyboard accelerators, through real input.
#include "app/notebook.h"
#include "app/window_fixture.h"

#include <QCheckBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

TEST_F(Window, TypedExplanationIsSavedThroughTheSaveDialog) {
    choose("SaveMotion1");
    auto* memo = find<QPlainTextEdit>("expmem");
    EXPECT_FALSE(find("expgb")->isHidden());
    EXPECT_FALSE(find("Panel1")->isEnabled());
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Type in explaination here!"));

    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, {20, 10});
    EXPECT_EQ(memo->toPlainText(), QString()); // entering clears the prompt
    QTest::keyClicks(memo, QStringLiteral("Wind from the west"));
    EXPECT_EQ(window.scene().expmemText, QStringLiteral("Wind from the west"));

    // Leaving the box and entering it again keeps what was typed.
    find<QPushButton>("cancelbt")->setFocus();
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, {20, 10});
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("Wind from the west"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("west.rel"));
    platform.saveAnswers.emplace_back(path);
    QTest::mouseClick(find<QPushButton>("lsbt"), Qt::LeftButton);
    EXPECT_EQ(platform.dialogFilters, QStringList{QStringLiteral("Relative Motion|*.rel")});
    EXPECT_TRUE(find("expgb")->isHidden());
    EXPECT_TRUE(find("Panel1")->isEnabled());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Wind from the west\r\nSTART RELATIVE MOTION DATA\r\n"));
}

TEST_F(Window, AReadOnlyQuestionTextIsNotClearedByEnteringIt) {
    choose("Whereareyou1");
    auto* memo = find<QPlainTextEdit>("expmem");
    const QString question = memo->toPlainText();
    EXPECT_FALSE(question.isEmpty());
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(memo->textInteractionFlags() & Qt::TextSelectableByKeyboard); // a caret to read by
    memo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(memo, Qt::Key_Down);
    EXPECT_GT(memo->textCursor().position(), 0); // Down moved the caret to the next line
    QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, {20, 10});
    EXPECT_EQ(memo->toPlainText(), question);
    EXPECT_FALSE(find("qb")->isHidden());
}

TEST_F(Window, MarkerHintsBreakTheirLineAndTheMarkersHaveNoOutline) {
    QTest::mouseClick(find<QCheckBox>("stopstartcb"), Qt::LeftButton);
    ASSERT_FALSE(find("stopsh")->isHidden());
    auto* finish = find("stopsh");
    // Carry the finish marker one step without moving it: its centre stays under the pointer.
    QTest::mousePress(finish, Qt::LeftButton, {}, {8, 8});
    QTest::mouseMove(finish, {8, 8});
    QTest::mouseRelease(finish, Qt::LeftButton, {}, {8, 8});
    EXPECT_EQ(finish->toolTip(), QStringLiteral(" 0.0 m [S] and \n75.2 m [E] "));
    EXPECT_EQ(find("Startsh")->toolTip(), finish->toolTip());
    EXPECT_FALSE(window.scene().markerOutlines);

    QImage painted(finish->size(), QImage::Format_ARGB32);
    painted.fill(Qt::transparent);
    finish->render(&painted, {}, {}, QWidget::DrawChildren);
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            ASSERT_EQ(qAlpha(painted.pixel(x, y)), 0) << x << ", " << y;
}

TEST_F(Window, AcceleratorsStartTheFlightAndTurnThePage) {
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    // A mnemonic clicks the button a moment later.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.scene().running; }, 5000));
    EXPECT_EQ(find<QPushButton>("timerbt")->text(), QStringLiteral("&Stop"));
    QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
    EXPECT_EQ(window.scene().notebookPage, 1);
    EXPECT_EQ(window.findChild<zephyra::Notebook*>()->currentIndex(), 1);
}

TEST_F(Window, AltSStartsAndStopsFromTheVelocitiesPageAndChordsTurnNoDial) {
    QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
    ASSERT_EQ(window.scene().notebookPage, 1);
    QWidget* dial = find("windim");
    dial->setFocus(Qt::TabFocusReason);
    const QString wind = text("airlb");
    QTest::keyClick(dial, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(dial, Qt::Key_Right, Qt::AltModifier);
    QTest::keyClick(dial, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(window.scene().running);
    EXPECT_EQ(text("airlb"), wind);
    QTest::keyClick(dial, Qt::Key_S, Qt::AltModifier);
    EXPECT_FALSE(window.scene().running);
    EXPECT_EQ(find<QPushButton>("timerbt")->text(), QStringLiteral("&Continue"));
}

TEST_F(Window, EnterOrReturnPressesTheFocusedPushButton) {
    auto* start = find<QPushButton>("timerbt");
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_TRUE(window.scene().running);
    QTest::keyClick(start, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(window.scene().running);
    QTest::keyClick(start, Qt::Key_Return, Qt::ControlModifier); // a chord presses nothing
    EXPECT_FALSE(window.scene().running);

    choose("Whereareyou1");
    auto* ok = find<QPushButton>("okbt");
    ok->setFocus(Qt::TabFocusReason);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_TRUE(find("qb")->isHidden());

    // A Return that still reaches the hidden Ok (the focus left nowhere) applies nothing again.
    const int speed = window.scene().airspeedsb.position;
    find<QScrollBar>("airspeedsb")->setValue(speed + 10);
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_EQ(window.scene().airspeedsb.position, speed + 10);
}

} // namespace
