// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion_support.h"
#include "motions/motion_apply.h"
#include "motions/motion_file.h"
#include "motions/motion_panel.h"
#include "motions/questions.h"
#include "support/printers.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zephyra;
using namespace motion_test;
using namespace Qt::StringLiterals;

TEST(MotionSamplesTest, SampleFilesOpenThroughThePanel) {
    const QString integer = u"'%1' is not a valid integer value"_s;
    const QString floating = u"'%1' is not a valid floating point value"_s;
    struct Case {
        const char* file;
        QString explanation;
        QString error; // empty when the motion applies
    };
    const Case cases[] = {
        {"adding_vectors.rel", questions()[2].lines.join(u'\n'), {}},
        {"river_kmh_windows1252.rel", u"Flu\u00df \u00fcber die Br\u00fccke \u2013 5 \u20ac"_s, {}},
        {"utf8_lf_only.rel", u"\u2708 Flug\n"_s, {}},
        {"many_tokens.rel", u"Forty-five tokens"_s, {}},
        {"short_file.rel", u"Three data lines only"_s, integer.arg(QString())},
        {"cut_in_angles.rel", u"Cut after the wind angle"_s, floating.arg(QString())},
        {"blank_after_data.rel", u"A blank line follows the data"_s, integer.arg(QString())},
        {"header_in_explanation.rel", u"Intro"_s, integer.arg(u"words"_s)},
        {"no_header.rel", u"just text\nno data here"_s, integer.arg(QString())},
        {"header_only.rel", u"x"_s, integer.arg(QString())},
        {"empty.rel", QString(), integer.arg(QString())},
        {"long_line.rel", QString(4096, u'x') + u'\n' + QString(404, u'x'), {}},
        {"nul_bytes.rel", QString(600, u'\0'),
         integer.arg(QString(40, QChar::ReplacementCharacter) + u'\u2026')},
    };
    for (const Case& c : cases) {
        Scene scene = startedScene();
        FakePlatform platform;
        const QString before = recordOf(scene);
        Openmotion1Click(scene);
        platform.openAnswers.emplace_back(dataFile(c.file));
        lsbtClick(scene, platform);
        EXPECT_EQ(scene.expmemText, c.explanation) << c.file;
        EXPECT_TRUE(scene.yngbVisible) << c.file;
        ybtClick(scene, platform);
        EXPECT_EQ(platform.errors, c.error.isEmpty() ? QStringList() : QStringList{c.error})
            << c.file;
        EXPECT_EQ(scene.expgbVisible, !c.error.isEmpty()) << c.file;
        if (!c.error.isEmpty()) {
            EXPECT_EQ(recordOf(scene), before) << c.file;
        }
    }
}

// Every file kept in the test data, inputs that once broke the reader included, either
// applies or leaves the scene as it was.
TEST(MotionSamplesTest, EveryKeptFileAppliesOrChangesNothing) {
    const QDir data(QStringLiteral(ZEPHYRA_TEST_DATA));
    const QStringList files = data.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        const MotionFileRead read = readMotionFile(data.filePath(name));
        ASSERT_EQ(read.error, QString()) << name.toStdString();
        Scene scene = startedScene();
        FakePlatform platform;
        const QString before = recordOf(scene);
        const bool applied = applyMotionText(scene, platform, read.text.record);
        EXPECT_EQ(platform.errors.size(), applied ? 0 : 1) << name.toStdString();
        if (!applied) {
            EXPECT_EQ(recordOf(scene), before) << name.toStdString();
        }
        EXPECT_GE(scene.distanceScale, 0);
    }
}
