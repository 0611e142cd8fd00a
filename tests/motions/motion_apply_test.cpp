// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/flight_clock.h"
#include "motion_support.h"
#include "motions/motion_apply.h"
#include "motions/motion_file.h"
#include "motions/motion_panel.h"
#include "motions/questions.h"
#include "support/printers.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace zephyra;
using namespace motion_test;
using namespace Qt::StringLiterals;

namespace {

QString withFields(const QString& record, const std::map<int, QString>& replacements) {
    QStringList tokens = record.split(u' ');
    for (const auto& [field, token] : replacements)
        tokens[field - 1] = token;
    return tokens.join(u' ');
}

QString recordOfItem(int item) {
    return questions()[item - 1].record;
}

// A started scene with `text` applied; the test fails on any message.
Scene appliedScene(const QString& text, Scene scene = startedScene()) {
    FakePlatform platform;
    EXPECT_TRUE(applyMotionText(scene, platform, text)) << text.toStdString();
    EXPECT_EQ(platform.errors, QStringList());
    return scene;
}

} // namespace

TEST(MotionApplyTest, AddingVectorsIsWrittenAsItsSixDataLines) {
    // The scene exactly as the record states it, before any reaction lays arrows out again.
    const auto record = std::get<MotionRecord>(parseMotionText(recordOfItem(3)));
    Scene scene;
    scene.distanceScale = record.distanceIndex;
    scene.showStartFinish = record.startFinish == 1;
    scene.airspeedsb.position = record.windSpeed;
    scene.planespeedsb.position = record.planeSpeed;
    scene.resultantsb.position = record.groundSpeed;
    scene.timesb.position = record.vectorScale;
    for (std::size_t i = 0; i < recordShapes.size(); ++i) {
        (scene.*recordShapes[i]).top = record.places[i].top;
        (scene.*recordShapes[i]).left = record.places[i].left;
    }
    scene.showVectors = true;
    scene.windAngle = record.windAngle;
    scene.planeAngle = record.planeAngle;
    scene.groundAngle = record.groundAngle;
    scene.shoresb.position = record.riverWidth;

    const QByteArray lines = "0 0 471 514 686 50\r\n"
                             "352 112 75 528 356 115\r\n"
                             "172 332 273 179 278 239\r\n"
                             "191 240 355 118 355 126\r\n"
                             "152 424 191 240 201 352\r\n"
                             "222 255 1 0.21378 0.92730 0.60229 250\r\n";
    EXPECT_EQ(motionFileBytes(questions()[2].lines.join(u'\n'), scene),
              questions()[2].lines.join(u"\r\n"_s).toLatin1() +
                  "\r\nSTART RELATIVE MOTION DATA\r\n" + lines);
}

TEST(MotionApplyTest, EveryItemAppliesWithItsOptions) {
    struct Expected {
        int scale;
        bool startFinish;
        int units;
        bool river;
    };
    const Expected expected[] = {
        {0, false, 0, false}, {0, false, 0, false}, {0, false, 0, false}, {0, false, 0, false},
        {0, true, 0, false},  {0, false, 0, false}, {0, false, 0, false}, {0, false, 0, false},
        {0, true, 0, false},  {4, true, 0, false},  {1, true, 8, false},  {2, true, 8, false},
        {0, true, 0, true},   {1, true, 8, true},   {2, true, 8, false},  {0, true, 0, true},
        {1, true, 8, true},
    };
    for (std::size_t i = 0; i < questions().size(); ++i) {
        Scene scene = startedScene();
        FakePlatform platform;
        showQuestion(scene, static_cast<int>(i));
        okbtClick(scene, platform);
        const QStringList fields = questions()[i].record.split(u' ');
        const Expected& e = expected[i];
        const std::string item = "item " + std::to_string(i + 1);
        EXPECT_EQ(platform.errors, QStringList()) << item;
        EXPECT_EQ(scene.distanceScale, e.scale) << item;
        EXPECT_EQ(scene.showStartFinish, e.startFinish) << item;
        EXPECT_EQ(scene.unitsTag, e.units) << item;
        EXPECT_EQ(scene.speedUnit, e.units == 8 ? u" km/h"_s : u" m/s"_s) << item;
        EXPECT_EQ(scene.showRiver, e.river) << item;
        EXPECT_EQ(scene.shoresb.visible, e.river) << item;
        EXPECT_EQ(scene.airim, e.river ? scene.wim : scene.aim) << item;
        EXPECT_TRUE(scene.showVectors && scene.windshm.visible && scene.movesh.visible &&
                    scene.timesb.visible)
            << item;
        EXPECT_FALSE(scene.showDisplacement || scene.posgbVisible || scene.windshb.visible) << item;
        EXPECT_EQ(scene.airspeedsb.position, fields[2].toInt()) << item;
        EXPECT_EQ(scene.planespeedsb.position, fields[3].toInt()) << item;
        EXPECT_EQ(scene.resultantsb.position, fields[4].toInt()) << item;
        EXPECT_EQ(scene.timesb.position, fields[5].toInt()) << item;
        EXPECT_EQ(scene.motionText, questions()[i].record) << item;
    }
    // The first partial solution is laid out as the program lays out its ground arrow.
    EXPECT_EQ(recordOf(appliedScene(recordOfItem(15))), recordOfItem(15));
}

TEST(MotionApplyTest, MoveVectorsAndFindResultantGiveTheSameScene) {
    Scene first = appliedScene(recordOfItem(10));
    Scene sixth = first;
    FakePlatform platform;
    showQuestion(first, 0);
    okbtClick(first, platform);
    showQuestion(sixth, 5);
    okbtClick(sixth, platform);
    EXPECT_EQ(recordOf(first), recordOf(sixth));
    EXPECT_EQ(readOutsOf(first), readOutsOf(sixth));
    EXPECT_EQ(first.waterim, sixth.waterim);
}

TEST(MotionApplyTest, FileRecordsWithTheirLeadingSpaceApplyLikeBuiltInOnes) {
    for (const Question& q : questions()) {
        const Scene builtIn = appliedScene(q.record);
        const Scene fromFile = appliedScene(parseMotionFile(motionFileBytes({}, builtIn)).record);
        EXPECT_EQ(recordOf(fromFile), recordOf(builtIn)) << q.handler.toStdString();
        EXPECT_EQ(readOutsOf(fromFile), readOutsOf(builtIn)) << q.handler.toStdString();
        EXPECT_EQ(fromFile.waterim, builtIn.waterim) << q.handler.toStdString();
    }
}

TEST(MotionApplyTest, SavedThenOpenedGivesTheSameScene) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"round trip.rel"_s);
    const QString explanation = u"\u00dcber den Wolken\n\n  two spaces \u2708"_s;
    for (int item : {3, 11, 14}) {
        Scene saved = appliedScene(recordOfItem(item));
        FakePlatform platform;
        saved.showDisplacement = true; // an option only a saved scene can carry
        SaveMotion1Click(saved);
        expmemEnter(saved);
        saved.expmemText = explanation;
        platform.saveAnswers.emplace_back(path);
        lsbtClick(saved, platform);

        Scene opened = startedScene();
        Openmotion1Click(opened);
        platform.openAnswers.emplace_back(path);
        lsbtClick(opened, platform);
        EXPECT_EQ(opened.expmemText, explanation);
        ybtClick(opened, platform);
        EXPECT_EQ(platform.errors, QStringList());
        EXPECT_EQ(recordOf(opened), recordOf(saved)) << "item " << item;
        EXPECT_EQ(readOutsOf(opened), readOutsOf(saved)) << "item " << item;
        EXPECT_TRUE(opened.posgbVisible);
    }
}

TEST(MotionApplyTest, StoredValuesAreClampedToTheirControls) {
    // Start/finish line: the box is ticked before each change.
    const QString base = recordOfItem(5);
    const std::pair<std::map<int, QString>, std::map<int, QString>> cases[] = {
        {{{1, u"7"_s}}, {{1, u"5"_s}}},
        {{{1, u"-1"_s}}, {{1, u"0"_s}}},
        {{{1, u"-2147483648"_s}}, {{1, u"0"_s}}},
        {{{6, u"0"_s}}, {{6, u"1"_s}}},
        {{{2, u"2"_s}}, {{2, u"0"_s}}},
        {{{3, u"5000"_s}, {4, u"5000"_s}, {5, u"-4"_s}},
         {{3, u"1000"_s}, {4, u"2000"_s}, {5, u"0"_s}}},
        {{{37, u"900"_s}}, {{37, u"500"_s}}},
        {{{7, u"2147483647"_s}, {8, u"-2147483648"_s}, {9, u"-700"_s}},
         {{7, u"1000000"_s}, {8, u"-1000000"_s}, {9, u"-700"_s}}},
        {{{33, u"-1"_s}}, {{33, u"15"_s}}},
        {{{33, u"4"_s}}, {{33, u"4"_s}}},
        {{{34, u"7.5"_s}, {35, u"-1.5"_s}}, {{34, u"1.21681"_s}, {35, u"4.78319"_s}}},
    };
    for (const auto& [stored, written] : cases) {
        const QString text = withFields(base, stored);
        const QStringList fields = recordOf(appliedScene(text)).split(u' ');
        for (const auto& [field, token] : written)
            EXPECT_EQ(fields[field - 1], token) << text.toStdString() << " field " << field;
    }
}

TEST(MotionApplyTest, OptionFlagsSetTheirControls) {
    const std::tuple<QString, bool, bool, bool, QString> cases[] = {
        {u"9"_s, true, false, false, u" km/h"_s}, {u"11"_s, true, true, false, u" km/h"_s},
        {u"3"_s, true, true, false, u" m/s"_s},   {u"4"_s, false, false, true, u" m/s"_s},
        {u"0"_s, false, false, false, u" m/s"_s},
    };
    for (const auto& [flags, vectors, river, displacement, speedUnit] : cases) {
        const Scene s = appliedScene(withFields(recordOfItem(3), {{33, flags}}));
        EXPECT_EQ(s.showVectors, vectors) << flags.toStdString();
        EXPECT_EQ(s.windshm.visible && s.planeshm.visible && s.resultshm.visible &&
                      s.movesh.visible && s.timesb.visible,
                  vectors)
            << flags.toStdString();
        EXPECT_EQ(s.showRiver && s.shoresb.visible && s.shorelb.visible, river);
        EXPECT_EQ(s.showDisplacement && s.posgbVisible, displacement);
        EXPECT_EQ(s.speedUnit, speedUnit);
    }
}

TEST(MotionApplyTest, FieldsApplyInTheirOrder) {
    // The scale's label comes before the units, the units before the river width; whichever
    // wrote it last, the label ends in the unit the scene ends with.
    Scene scene = appliedScene(recordOfItem(3));
    EXPECT_EQ(scene.shorelb.caption, u"River Width:  50.0 m"_s);
    scene = appliedScene(withFields(recordOfItem(3), {{33, u"9"_s}, {37, u"300"_s}}), scene);
    EXPECT_EQ(scene.shorelb.caption, u"River Width:  60.0 km"_s);
    scene = appliedScene(withFields(recordOfItem(3), {{1, u"2"_s}, {37, u"300"_s}}), scene);
    EXPECT_EQ(scene.shorelb.caption, u"River Width: 300.0 m"_s);

    // The ground arrow's middle and tip follow its tail, whatever the record stored.
    const QString moved = withFields(recordOfItem(3), {{17, u"0"_s}, {18, u"0"_s}, {29, u"9"_s}});
    EXPECT_EQ(recordOf(appliedScene(moved)), recordOf(appliedScene(recordOfItem(3))));
}

// A loaded scene starts clean, as after Reset: whatever flight was running or paused.
TEST(MotionApplyTest, ALoadedSceneStartsAtTimeZeroWithTheFlightStopped) {
    for (const bool running : {true, false}) {
        Scene scene = startedScene();
        timerbtClick(scene);
        setTime(scene, 1234);
        if (!running)
            timerbtClick(scene); // paused: Start reads Continue
        scene.timefactorsb.position = 7;
        scene.repeat = true;
        scene.copySelect = true;
        scene = appliedScene(recordOfItem(9), scene);
        EXPECT_FALSE(scene.running);
        EXPECT_EQ(scene.tsb.position, 0);
        EXPECT_EQ(scene.timerbtCaption, u"&Start"_s);
        EXPECT_EQ(scene.timelb.caption.left(10), u"Time: 0.00"_s);
        EXPECT_TRUE(scene.planesh.visible);
        EXPECT_EQ(scene.planeShiftX, 0);
        EXPECT_EQ(scene.windShiftY, 0);
        // What Reset leaves alone carries on.
        EXPECT_TRUE(scene.repeat && scene.copySelect);
        EXPECT_EQ(scene.timefactorsb.position, 7);
        EXPECT_FALSE(scene.vectorsJoined);
    }
}

TEST(MotionApplyTest, ABadRecordChangesNothing) {
    const QString good = recordOfItem(10);
    const std::pair<QString, QString> cases[] = {
        {good + u' ', u"'' is not a valid integer value"_s},
        {withFields(good, {{36, u"nan"_s}}), u"'nan' is not a valid floating point value"_s},
        {withFields(good, {{35, u"-inf"_s}}), u"'-inf' is not a valid floating point value"_s},
        {withFields(good, {{20, u"99999999999"_s}}),
         u"'99999999999' is not a valid integer value"_s},
        {withFields(good, {{1, u"x"_s}}), u"'x' is not a valid integer value"_s},
        {good.section(u' ', 0, 19), u"'' is not a valid integer value"_s},
        {good.section(u' ', 0, 33), u"'' is not a valid floating point value"_s},
        {QString(), u"'' is not a valid integer value"_s},
        {u" x START RELATIVE MOTION DATA "_s + good, u"'START' is not a valid integer value"_s},
    };
    const Scene before = appliedScene(recordOfItem(12));
    for (const auto& [text, message] : cases) {
        Scene scene = before;
        FakePlatform platform;
        EXPECT_FALSE(applyMotionText(scene, platform, text));
        EXPECT_EQ(scene.motionText, before.motionText);
        scene.motionText = text;
        expbtClick(scene, platform);
        EXPECT_EQ(platform.errors, QStringList(2, message)) << text.toStdString();
        EXPECT_EQ(recordOf(scene), recordOf(before));
        EXPECT_EQ(readOutsOf(scene), readOutsOf(before));
        EXPECT_EQ(scene.distanceScale, before.distanceScale);
        EXPECT_EQ(scene.waterim, before.waterim);
    }
}
