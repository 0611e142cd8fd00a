// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion_support.h"
#include "motions/motion_panel.h"
#include "motions/motion_record.h"
#include "motions/questions.h"
#include "support/printers.h"

#include <gtest/gtest.h>

#include <set>

using namespace zephyra;
using namespace motion_test;
using namespace Qt::StringLiterals;

namespace {

// Field numbers (from 1) where two records differ.
std::set<int> differingFields(int itemA, int itemB) {
    const QStringList a = questions()[itemA - 1].record.split(u' ');
    const QStringList b = questions()[itemB - 1].record.split(u' ');
    std::set<int> fields;
    for (int i = 0; i < motionFieldCount; ++i) {
        if (a[i] != b[i])
            fields.insert(i + 1);
    }
    return fields;
}

} // namespace

TEST(QuestionsTest, MenuHandlersAndLineCountsInMenuOrder) {
    const std::tuple<QString, QString, int> expected[] = {
        {u"Introduction/Move vectors"_s, u"Movevectors1Click"_s, 7},
        {u"Introduction/Move plane"_s, u"Moveplane1Click"_s, 4},
        {u"Introduction/Adding Vectors"_s, u"AddingVectors1Click"_s, 4},
        {u"Introduction/Subtracting Vectors"_s, u"SubtractingVectors1Click"_s, 4},
        {u"Introduction/Start/finish line"_s, u"Startfinishline1Click"_s, 6},
        {u"Easy/Find Resultant"_s, u"FindResultant1Click"_s, 5},
        {u"Easy/Find Wind Velocity"_s, u"FindWindVelocity1Click"_s, 6},
        {u"Easy/Find Plane Velocity"_s, u"FindPlaneVelocity1Click"_s, 6},
        {u"Medium/Where are you?"_s, u"Whereareyou1Click"_s, 4},
        {u"Hard/Where should I head?"_s, u"WhereshouldIhead1Click"_s, 4},
        {u"Hard/How fast is the wind?"_s, u"Howfastisthewind1Click"_s, 5},
        {u"Worksheets/Works sheet #1/Full solution/#1"_s, u"N11Click"_s, 1},
        {u"Worksheets/Works sheet #1/Full solution/#2"_s, u"N21Click"_s, 1},
        {u"Worksheets/Works sheet #1/Full solution/#3"_s, u"N31Click"_s, 1},
        {u"Worksheets/Works sheet #1/Partial Solution/#1"_s, u"N12Click"_s, 2},
        {u"Worksheets/Works sheet #1/Partial Solution/#2"_s, u"N22Click"_s, 3},
        {u"Worksheets/Works sheet #1/Partial Solution/#3"_s, u"N32Click"_s, 2},
    };
    ASSERT_EQ(questions().size(), std::size(expected));
    for (std::size_t i = 0; i < questions().size(); ++i) {
        const auto& [menu, handler, lineCount] = expected[i];
        EXPECT_EQ(questions()[i].menuPath, menu) << "item " << i + 1;
        EXPECT_EQ(questions()[i].handler, handler) << "item " << i + 1;
        EXPECT_EQ(questions()[i].lines.size(), lineCount) << "item " << i + 1;
    }
}

TEST(QuestionsTest, TextsKeepTheirDoubleSpacesTrailingSpacesAndQuotes) {
    std::set<std::pair<int, int>> doubleSpaced, trailing; // item, line (from 1)
    for (std::size_t i = 0; i < questions().size(); ++i) {
        for (int j = 0; j < questions()[i].lines.size(); ++j) {
            const QString& line = questions()[i].lines[j];
            if (line.contains(u"  "_s))
                doubleSpaced.insert({int(i) + 1, j + 1});
            if (line.endsWith(u' '))
                trailing.insert({int(i) + 1, j + 1});
        }
    }
    EXPECT_EQ(doubleSpaced,
              (std::set<std::pair<int, int>>{
                  {1, 6}, {6, 2}, {6, 5}, {11, 2}, {15, 2}, {16, 2}, {16, 3}, {17, 2}}));
    EXPECT_EQ(trailing, (std::set<std::pair<int, int>>{{7, 4}, {8, 4}}));
    EXPECT_EQ(questions()[3].lines[1], u"and the resulting vector is found by drawing a vector "
                                       u"from the \"2nd\" vector to the \"1st\""_s);
    EXPECT_EQ(questions()[14].lines, (QStringList{u"Partial solution from 1st work sheet."_s,
                                                  u"move red arrow to find graound velocity.  Then "
                                                  u"adjust red x to find where it will land."_s}));
}

TEST(QuestionsTest, RecordsAreWholeAndRelatedAsDesigned) {
    for (const Question& q : questions()) {
        EXPECT_EQ(q.record.split(u' ').size(), motionFieldCount) << q.handler.toStdString();
        EXPECT_EQ(q.record.trimmed(), q.record);
        EXPECT_TRUE(std::holds_alternative<MotionRecord>(parseMotionText(q.record)));
    }
    EXPECT_EQ(differingFields(1, 6), std::set<int>{});
    for (int field : differingFields(3, 4))
        EXPECT_TRUE((field >= 11 && field <= 32) || field == 35) << field;
    EXPECT_EQ(differingFields(13, 16),
              (std::set<int>{5, 7, 8, 9, 10, 11, 12, 17, 18, 23, 24, 29, 30, 36}));
    EXPECT_EQ(differingFields(14, 17), (std::set<int>{5, 9, 10, 17, 18, 23, 24, 29, 30, 32, 36}));
    // The first partial solution: red arrow at 20 elsewhere, finish marker moved.
    EXPECT_EQ(differingFields(12, 15), (std::set<int>{5, 9, 10, 17, 18, 23, 24, 29, 30, 36}));
    EXPECT_EQ(questions()[14].record.split(u' ')[4], u"20"_s);
}

TEST(QuestionsTest, ShowingAQuestionFillsThePanelAndLeavesTheScene) {
    Scene scene = startedScene();
    const QString before = recordOf(scene);
    showQuestion(scene, 9);
    EXPECT_EQ(scene.expmemText, questions()[9].lines.join(u'\n'));
    EXPECT_EQ(scene.motionText, questions()[9].record);
    EXPECT_TRUE(scene.expmemReadOnly && scene.qbVisible && scene.expgbVisible);
    EXPECT_EQ(recordOf(scene), before);

    showQuestion(scene, 17);
    showQuestion(scene, -1);
    EXPECT_EQ(scene.motionText, questions()[9].record);
}

// Show Question brings back the text of the last question or motion loaded; its Ok only
// closes the box, so the student's work stays.
TEST(QuestionsTest, ShowQuestionShowsTheLastTextAgainWithoutApplyingIt) {
    Scene scene = startedScene();
    FakePlatform platform;
    ShowQuestion1Click(scene);
    EXPECT_EQ(scene.expmemText, u"No question or motion has been loaded yet."_s);
    EXPECT_TRUE(scene.qbVisible && scene.expgbVisible && scene.expmemReadOnly);
    const QString untouched = recordOf(scene);
    okbtClick(scene, platform);
    EXPECT_FALSE(scene.qbVisible || scene.expgbVisible);
    EXPECT_EQ(recordOf(scene), untouched);

    showQuestion(scene, 2);
    okbtClick(scene, platform);
    const QString applied = recordOf(scene);
    scene.airspeedsb.position = 123; // the student's own work since
    const QString worked = recordOf(scene);
    ASSERT_NE(worked, applied);
    ShowQuestion1Click(scene);
    EXPECT_EQ(scene.expmemText, questions()[2].lines.join(u'\n'));
    okbtClick(scene, platform);
    EXPECT_EQ(recordOf(scene), worked);
    // A question chosen while the text shows again is applied by its Ok as ever.
    ShowQuestion1Click(scene);
    showQuestion(scene, 2);
    okbtClick(scene, platform);
    EXPECT_EQ(recordOf(scene), applied);
}
