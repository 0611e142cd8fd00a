// SPDX-License-Identifier: GPL-3.0-or-later
#include "motion_support.h"
#include "motions/motion_apply.h"
#include "motions/motion_panel.h"
#include "motions/questions.h"
#include "support/printers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace zephyra;
using namespace motion_test;
using namespace Qt::StringLiterals;

namespace {

const QString prompt = u"Click load to choose a file"_s;
const QString placeholder = u"Type in explaination here!"_s;

struct PanelView {
    QString caption;
    PanelMode mode;
    QString lsbt;
    QString text;
    bool readOnly;
    bool yngb;
    bool qb;
    bool expgb;
    bool panel1;
    bool operator==(const PanelView&) const = default;
};

void PrintTo(const PanelView& v, std::ostream* os) {
    *os << '{' << v.caption.toStdString() << ", mode " << static_cast<int>(v.mode) << ", "
        << v.lsbt.toStdString() << ", '" << v.text.toStdString() << "', readOnly " << v.readOnly
        << ", yngb " << v.yngb << ", qb " << v.qb << ", expgb " << v.expgb << ", Panel1 "
        << v.panel1 << '}';
}

PanelView viewOf(const Scene& s) {
    return {s.expgbCaption, s.panelMode, s.lsbtCaption,  s.expmemText,   s.expmemReadOnly,
            s.yngbVisible,  s.qbVisible, s.expgbVisible, s.panel1Enabled};
}

// The Adding Vectors record laid out as a file's six data lines.
QByteArray dataLines(const QString& record) {
    const QStringList tokens = record.split(u' ');
    QByteArray bytes;
    for (int first : {0, 6, 12, 18, 24, 30})
        bytes += tokens.mid(first, first == 30 ? 7 : 6).join(u' ').toLatin1() + "\r\n";
    return bytes;
}

class MotionPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        good = dir.filePath(u"good.rel"_s);
        ASSERT_TRUE(writeBytes(good, "Line one\r\nLine two\r\nSTART RELATIVE MOTION DATA\r\n" +
                                         dataLines(questions()[2].record)));
    }

    using Step = std::function<void(Scene&, FakePlatform&)>;
    Step open = [](Scene& s, FakePlatform&) { Openmotion1Click(s); };
    Step save = [](Scene& s, FakePlatform&) { SaveMotion1Click(s); };
    Step enter = [](Scene& s, FakePlatform&) { expmemEnter(s); };
    Step type = [](Scene& s, FakePlatform&) { s.expmemText = u"my own words"_s; };
    Step yes = [](Scene& s, FakePlatform& p) { ybtClick(s, p); };
    Step no = [](Scene& s, FakePlatform&) { nbtClick(s); };
    Step cancel = [](Scene& s, FakePlatform&) { cancelbtClick(s); };
    Step ok = [](Scene& s, FakePlatform& p) { okbtClick(s, p); };
    Step question = [](Scene& s, FakePlatform&) { showQuestion(s, 11); };
    Step load(const std::optional<QString>& answer) {
        return [answer](Scene& s, FakePlatform& p) {
            p.openAnswers.push_back(answer);
            lsbtClick(s, p);
        };
    }
    Step saveAs(const std::optional<QString>& answer) {
        return [answer](Scene& s, FakePlatform& p) {
            p.saveAnswers.push_back(answer);
            lsbtClick(s, p);
        };
    }

    QTemporaryDir dir;
    QString good;
};

} // namespace

TEST_F(MotionPanelTest, EveryEventSetsItsRowOfThePanelState) {
    const QString preview = u"Line one\nLine two"_s;
    const QString questionText = questions()[11].lines.join(u'\n');
    const QString loadCaption = u"Load a Plane Motion"_s;
    const QString saveCaption = u"Save a Plane Motion"_s;
    const PanelMode L = PanelMode::Load, S = PanelMode::Save, N = PanelMode::None;
    struct Case {
        const char* name;
        std::vector<Step> steps;
        PanelView expected;
    };
    const Case cases[] = {
        {"start", {}, {u"Motion"_s, N, u"lsbt"_s, {}, false, false, false, false, true}},
        {"open", {open}, {loadCaption, L, u"&Load"_s, prompt, true, false, false, true, true}},
        {"save",
         {save},
         {saveCaption, S, u"&Save"_s, placeholder, false, false, false, true, false}},
        {"save, enter",
         {save, enter},
         {saveCaption, S, u"&Save"_s, {}, false, false, false, true, false}},
        {"save, enter, type, enter",
         {save, enter, type, enter},
         {saveCaption, S, u"&Save"_s, u"my own words"_s, false, false, false, true, false}},
        {"open, enter",
         {open, enter},
         {loadCaption, L, u"&Load"_s, prompt, true, false, false, true, true}},
        {"open, load",
         {open, load(good)},
         {loadCaption, L, u"&Load"_s, preview, true, true, false, true, true}},
        {"open, load cancelled",
         {open, load(std::nullopt)},
         {loadCaption, L, u"&Load"_s, {}, true, false, false, true, true}},
        {"open, load missing",
         {open, load(dir.filePath(u"missing.rel"_s))},
         {loadCaption, L, u"&Load"_s, {}, true, false, false, true, true}},
        {"open, load, load cancelled",
         {open, load(good), load(std::nullopt)},
         {loadCaption, L, u"&Load"_s, {}, true, true, false, true, true}},
        {"open, load, yes",
         {open, load(good), yes},
         {loadCaption, L, u"&Load"_s, preview, true, false, false, false, true}},
        {"open, load, no",
         {open, load(good), no},
         {loadCaption, L, u"&Load"_s, prompt, true, false, false, true, true}},
        {"open, load, cancel",
         {open, load(good), cancel},
         {loadCaption, L, u"&Load"_s, {}, true, false, false, false, true}},
        {"save, saved",
         {save, saveAs(dir.filePath(u"saved.rel"_s))},
         {saveCaption, S, u"&Save"_s, placeholder, false, false, false, false, true}},
        {"save, save cancelled",
         {save, type, saveAs(std::nullopt)},
         {saveCaption, S, u"&Save"_s, u"my own words"_s, false, false, false, true, false}},
        {"save, cancel",
         {save, cancel},
         {saveCaption, S, u"&Save"_s, {}, false, false, false, false, true}},
        {"question",
         {question},
         {u"Motion"_s, N, u"lsbt"_s, questionText, true, false, true, true, true}},
        {"question, ok",
         {question, ok},
         {u"Motion"_s, N, u"lsbt"_s, questionText, true, false, false, false, true}},
        {"question, open",
         {question, open},
         {loadCaption, L, u"&Load"_s, prompt, true, false, true, true, true}},
        // Whichever way the panel closes, the controls are usable again.
        {"save, open, load, yes",
         {save, open, load(good), yes},
         {loadCaption, L, u"&Load"_s, preview, true, false, false, false, true}},
        {"save, question, ok",
         {save, question, ok},
         {saveCaption, S, u"&Save"_s, questionText, true, false, false, false, true}},
        // A shown preview survives a question until Yes, No or Cancel.
        {"open, load, question, ok, open",
         {open, load(good), question, ok, open},
         {loadCaption, L, u"&Load"_s, prompt, true, true, false, true, true}},
    };
    for (const Case& c : cases) {
        Scene scene;
        FakePlatform platform;
        for (const Step& step : c.steps)
            step(scene, platform);
        EXPECT_EQ(viewOf(scene), c.expected) << c.name;
        EXPECT_EQ(platform.errors, QStringList()) << c.name;
        EXPECT_EQ(platform.dialogFolders,
                  QStringList(platform.dialogFolders.size(), QDir::currentPath()));
        EXPECT_EQ(platform.dialogFilters,
                  QStringList(platform.dialogFilters.size(), u"Relative Motion|*.rel"_s));
        EXPECT_EQ(platform.dialogExtensions,
                  QStringList(platform.dialogExtensions.size(), u"rel"_s));
    }
}

TEST_F(MotionPanelTest, SavingWritesTheTextBoxAndAddsTheExtension) {
    const std::pair<std::vector<Step>, QByteArray> cases[] = {
        {{save}, "Type in explaination here!\r\nSTART RELATIVE MOTION DATA\r\n"},
        {{save, enter, type}, "my own words\r\nSTART RELATIVE MOTION DATA\r\n"},
        {{save, enter}, "\r\nSTART RELATIVE MOTION DATA\r\n"},
    };
    for (const auto& [steps, start] : cases) {
        Scene scene;
        FakePlatform platform;
        for (const Step& step : steps)
            step(scene, platform);
        saveAs(dir.filePath(u"plain"_s))(scene, platform);
        EXPECT_TRUE(fileBytes(dir.filePath(u"plain.rel"_s)).startsWith(start));
        EXPECT_FALSE(QFile::exists(dir.filePath(u"plain"_s)));
    }
}

TEST_F(MotionPanelTest, AFailedSaveKeepsTheEarlierFileAndTheSaveState) {
    const QString folder = dir.filePath(u"folder.rel"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    Scene scene;
    FakePlatform platform;
    for (const Step& step : {save, enter, type, saveAs(folder), saveAs(u"/proc/version"_s)})
        step(scene, platform);
    EXPECT_EQ(platform.errors, (QStringList{u"File access denied"_s, u"File access denied"_s}));
    EXPECT_EQ(viewOf(scene), (PanelView{u"Save a Plane Motion"_s, PanelMode::Save, u"&Save"_s,
                                        u"my own words"_s, false, false, false, true, false}));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_FALSE(fileBytes(u"/proc/version"_s).contains("my own words"));
}

TEST_F(MotionPanelTest, YesOnAFileThatFailsLeavesThePanelOpenAndTheSceneAlone) {
    const QString bad = dir.filePath(u"bad.rel"_s);
    ASSERT_TRUE(writeBytes(bad, "x\r\nSTART RELATIVE MOTION DATA\r\n" +
                                    dataLines(questions()[2].record) + "\r\n"));
    const std::pair<std::vector<Step>, QString> cases[] = {
        {{open, load(bad)}, u"'' is not a valid integer value"_s},
        // Chosen after a preview, a file that is not there leaves Yes and No shown.
        {{open, load(good), load(dir.filePath(u"gone.rel"_s))}, u"File not found"_s},
    };
    for (const auto& [steps, message] : cases) {
        Scene scene = startedScene();
        FakePlatform platform;
        for (const Step& step : steps)
            step(scene, platform);
        const QString before = recordOf(scene);
        yes(scene, platform);
        EXPECT_EQ(platform.errors, QStringList{message});
        EXPECT_TRUE(scene.yngbVisible && scene.expgbVisible) << message.toStdString();
        EXPECT_EQ(recordOf(scene), before);
        EXPECT_EQ(scene.motionText, QString());
    }
}

TEST_F(MotionPanelTest, YesAppliesTheRecordThatWasPreviewedWhateverBecameOfTheFile) {
    const QByteArray other =
        "Other\r\nSTART RELATIVE MOTION DATA\r\n" + dataLines(questions()[11].record);
    const QByteArray previewed = fileBytes(good);
    Scene expected = startedScene();
    FakePlatform applied;
    ASSERT_TRUE(applyMotionText(expected, applied, questions()[2].record));
    ASSERT_NE(recordOf(expected), recordOf(startedScene()));
    const Step atStart = [this](Scene& s, FakePlatform& p) { openMotionFile(s, p, good); };
    const std::pair<std::vector<Step>, std::function<bool()>> cases[] = {
        {{open, load(good)}, [&] { return writeBytes(good, other); }},
        {{atStart}, [&] { return writeBytes(good, other); }},
        {{open, load(good)}, [&] { return QFile::remove(good); }},
    };
    for (const auto& [steps, change] : cases) {
        ASSERT_TRUE(writeBytes(good, previewed));
        Scene scene = startedScene();
        FakePlatform platform;
        for (const Step& step : steps)
            step(scene, platform);
        ASSERT_TRUE(change());
        yes(scene, platform);
        EXPECT_EQ(platform.errors, QStringList());
        EXPECT_EQ(scene.motionText.simplified(), questions()[2].record);
        EXPECT_EQ(recordOf(scene), recordOf(expected));
        EXPECT_EQ(readOutsOf(scene), readOutsOf(expected));
        EXPECT_FALSE(scene.expgbVisible);
    }
}

TEST_F(MotionPanelTest, AFileChosenBeforeStartIsPreviewedOrReportedWithThePanelClosed) {
    struct Case {
        QString path;
        QStringList errors;
        PanelView view;
    };
    const PanelView closed{u"Motion"_s, PanelMode::None, u"lsbt"_s, QString(), false,
                           false,       false,           false,     true};
    const Case cases[] = {
        {good,
         {},
         {u"Load a Plane Motion"_s, PanelMode::Load, u"&Load"_s, u"Line one\nLine two"_s, true,
          true, false, true, true}},
        {dir.filePath(u"gone.rel"_s), {u"File not found"_s}, closed},
        {dir.path(), {u"File access denied"_s}, closed},
    };
    for (const Case& c : cases) {
        Scene scene = startedScene();
        FakePlatform platform;
        const QString before = recordOf(scene);
        openMotionFile(scene, platform, c.path);
        EXPECT_EQ(platform.errors, c.errors) << c.path.toStdString();
        EXPECT_EQ(viewOf(scene), c.view) << c.path.toStdString();
        EXPECT_EQ(recordOf(scene), before);
        if (c.errors.isEmpty()) {
            yes(scene, platform);
            EXPECT_EQ(scene.motionText.simplified(), questions()[2].record);
            EXPECT_FALSE(scene.expgbVisible);
        }
    }
}

TEST(ExplanationPreviewTest, BreaksLongLinesAndCutsWithANote) {
    const QString note = u"(The rest of the explanation is too long to show here.)"_s;
    const QString line(4096, u'a');
    const QString pair = u"\U0001F6E9"_s;
    const std::pair<QString, QString> cases[] = {
        {u"short\n\nlines"_s, u"short\n\nlines"_s},
        {line, line},
        {line + u"bc\n"_s + line, line + u"\nbc\n"_s + line},
        {QString(4095, u'a') + pair, QString(4095, u'a') + pair},
        {QString(16, u'\0') + u'\n' + QString(8192, u'\0'),
         QString(16, u'\0') + u'\n' + QString(4096, u'\0') + u'\n' + QString(4096, u'\0')},
        {QString(65535, u'\n') + pair, QString(65535, u'\n') + u'\n' + note},
    };
    for (const auto& [explanation, shown] : cases)
        EXPECT_EQ(explanationPreview(explanation), shown) << explanation.size();

    const QString preview = explanationPreview(QString(1 << 24, u'x'));
    EXPECT_TRUE(preview.endsWith(u"xxx\n"_s + note));
    // 64 Ki letters in sixteen lines, then the note on a line of its own.
    EXPECT_EQ(preview.size(), 65536 + 15 + 1 + note.size());
}

TEST_F(MotionPanelTest, ALongLineOrJunkAfterTheMotionIsShownShortAndLosesNothing) {
    const QByteArray motion = "START RELATIVE MOTION DATA\r\n" + dataLines(questions()[2].record);
    const QString longLine = dir.filePath(u"long.rel"_s);
    const QString junk = dir.filePath(u"junk.rel"_s);
    ASSERT_TRUE(writeBytes(longLine, QByteArray(1 << 20, '\0') + "\r\n" + motion));
    ASSERT_TRUE(writeBytes(junk, "Junk follows\r\n" + motion + QByteArray(1 << 20, '\0')));
    // Only the last token is quoted, its first forty characters, each NUL as a U+FFFD.
    const QString quotedNul = u"'"_s + QString(40, QChar::ReplacementCharacter) + u'\u2026';
    const std::pair<QString, QStringList> cases[] = {
        {longLine, {}},
        {junk, {quotedNul + u"' is not a valid integer value"_s}},
    };
    for (const auto& [path, errors] : cases) {
        Scene scene = startedScene();
        FakePlatform platform;
        const QString before = recordOf(scene);
        for (const Step& step : {open, load(path)})
            step(scene, platform);
        EXPECT_LT(scene.expmemText.size(), 70000) << path.toStdString();
        EXPECT_TRUE(scene.yngbVisible);
        yes(scene, platform);
        EXPECT_EQ(platform.errors, errors);
        EXPECT_EQ(scene.expgbVisible, !errors.isEmpty());
        EXPECT_EQ(recordOf(scene) == before, !errors.isEmpty()) << path.toStdString();
    }
}
