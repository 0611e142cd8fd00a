// SPDX-License-Identifier: GPL-3.0-or-later
// Projection touches only what changed: the rectangle of a picture that changed, no widget
// whose scene quantity stayed, and an explanation the student is reading stays where it is.
#include "app/picture_view.h"
#include "app/slider_bar.h"
#include "app/window_fixture.h"

#include <QFile>
#include <QHash>
#include <QPaintEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

using zephyra::changedRect;

TEST(ChangedRect, BoundsTheChangedPixelsOnly) {
    QImage before(40, 100, QImage::Format_RGB32);
    before.fill(Qt::cyan);
    const std::pair<std::vector<QPoint>, QRect> cases[] = {
        {{}, QRect()},
        {{{0, 0}}, QRect(0, 0, 1, 1)},
        {{{39, 99}}, QRect(39, 99, 1, 1)},
        {{{5, 20}, {30, 3}}, QRect(QPoint(5, 3), QPoint(30, 20))},
        {{{12, 7}, {12, 8}, {13, 7}}, QRect(12, 7, 2, 2)},
        {{{5, 10}, {30, 80}}, QRect(0, 10, 40, 71)}, // a tall band keeps its full width
    };
    for (const auto& [points, expected] : cases) {
        QImage after = before.copy();
        for (const QPoint& p : points)
            after.setPixel(p, qRgb(0, 0, 0));
        const QRect changed = changedRect(before, after);
        EXPECT_EQ(changed, expected) << points.size();
        QImage copy = before.copy();
        if (!changed.isEmpty())
            zephyra::copyRect(after, changed, copy);
        EXPECT_EQ(copy, after);
    }
    EXPECT_EQ(changedRect(before, QImage(41, 100, QImage::Format_RGB32)), QRect(0, 0, 41, 100));
    EXPECT_EQ(changedRect(before, before.convertToFormat(QImage::Format_ARGB32)),
              QRect(0, 0, 40, 100));
}

// Paint events and hint changes per widget, while it listens.
class Repaints : public QObject {
public:
    Repaints() { qApp->installEventFilter(this); }
    ~Repaints() override { qApp->removeEventFilter(this); }
    QHash<QString, QList<QRect>> painted;
    int hintChanges = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted[watched->objectName()] << static_cast<QPaintEvent*>(event)->rect();
        if (event->type() == QEvent::ToolTipChange)
            ++hintChanges;
        return false;
    }
};

TEST_F(Window, AFlightRepaintsTheGroundViewOncePerTickAndNoStillWidget) {
    find<QPushButton>("timerbt")->click();
    ASSERT_TRUE(window.scene().running);
    QCoreApplication::processEvents();
    Repaints repaints;
    const int from = window.scene().tsb.position;
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.scene().tsb.position >= from + 20; }, 5000));
    const int ticks = (window.scene().tsb.position - from) / 2; // factor 2
    for (const char* still : {"windim", "planeim", "resultantim", "Image10", "Image7", "timerbt",
                              "timefactorsb", "GroupBox1", "Panel1", "notelb"})
        EXPECT_TRUE(repaints.painted.value(QLatin1String(still)).isEmpty()) << still;
    EXPECT_FALSE(repaints.painted.value(QStringLiteral("timelb")).isEmpty());
    const qsizetype groundPaints = repaints.painted.value(QStringLiteral("waterim")).size();
    EXPECT_GE(groundPaints, 1);
    EXPECT_LE(groundPaints, ticks + 1);
    EXPECT_EQ(repaints.hintChanges, 0);
}

TEST_F(Window, MovingThePlaneStartRepaintsOnlyAroundThePlane) {
    QWidget* plane = find("planesh");
    plane->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    Repaints repaints;
    QTest::keyClick(plane, Qt::Key_Right);
    QCoreApplication::processEvents();
    const QList<QRect> ground = repaints.painted.value(QStringLiteral("waterim"));
    ASSERT_EQ(ground.size(), 1);
    EXPECT_LT(ground[0].width() * ground[0].height(), 578 * 519 / 20);
    EXPECT_TRUE(ground[0].intersects(plane->geometry().translated(-2, -16)));
}

// The time bar takes 10,000 steps over 153 pixels: most steps do not move its slider.
TEST(SliderBar, RepaintsOnlyWhenItsSliderMovesOrReachesAnEnd) {
    QWidget window;
    zephyra::SliderBar bar(&window);
    bar.setObjectName(QStringLiteral("bar"));
    bar.setGeometry(16, 58, 153, 17);
    bar.setRange(0, 10000);
    bar.setValue(100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    const std::pair<int, bool> steps[] = {{102, false},  {104, false},  {2000, true},
                                          {2002, false}, {10000, true}, {9998, true}};
    for (const auto& [value, repainted] : steps) {
        Repaints repaints;
        bar.setValue(value);
        QCoreApplication::processEvents();
        EXPECT_EQ(!repaints.painted.value(QStringLiteral("bar")).isEmpty(), repainted) << value;
    }
}

// Windows-1252: a no-break space and a lone carriage return, which the text box reads back
// as a space and a line break.
QByteArray longExplanation() {
    QByteArray text;
    for (int line = 0; line < 40; ++line)
        text += "Line " + QByteArray::number(line) + ":\xA0wind\rfrom the west\r\n";
    QFile sample(QStringLiteral(ZEPHYRA_TEST_DATA "/adding_vectors.rel"));
    EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray motion = sample.readAll();
    return text + motion.mid(motion.indexOf("START RELATIVE MOTION DATA"));
}

TEST_F(Window, APreviewStaysWhereTheStudentScrolledItThroughOtherEvents) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.rel"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(longExplanation());
    file.close();
    choose("Openmotion1");
    platform.openAnswers.emplace_back(path);
    find<QPushButton>("lsbt")->click();
    ASSERT_FALSE(find("yngb")->isHidden());
    auto* memo = find<QPlainTextEdit>("expmem");
    QScrollBar* scroll = memo->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 20);
    scroll->setValue(20);
    choose("Showposition1");
    find<QScrollBar>("airspeedsb")->setValue(150);
    EXPECT_EQ(scroll->value(), 20);
    EXPECT_TRUE(memo->toPlainText().startsWith(QStringLiteral("Line 0: wind\nfrom the west\n")));
}

} // namespace
