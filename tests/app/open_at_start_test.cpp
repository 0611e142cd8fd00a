// SPDX-License-Identifier: GPL-3.0-or-later
// A motion file given at start-up: the about box first, then the motion panel previews it.
#include "app/spoken_notice.h"
#include "app/window_fixture.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using zephyra::Scene;

const QString addingVectors = QStringLiteral(ZEPHYRA_TEST_DATA "/adding_vectors.rel");

// Keeps the order in which the about box and the messages came.
class OrderedPlatform : public FakePlatform {
public:
    QStringList shown;
    void showAbout(const Scene& scene) override {
        FakePlatform::showAbout(scene);
        shown << QStringLiteral("about");
    }
    void showError(const QString& message) override {
        FakePlatform::showError(message);
        shown << message;
    }
};

template <const QString* path> class StartedWith : public WindowWith<OrderedPlatform> {
protected:
    void SetUp() override {
        window.openAtStart(*path);
        WindowWith<OrderedPlatform>::SetUp();
    }
};

using StartedWithAddingVectors = StartedWith<&addingVectors>;

TEST_F(StartedWithAddingVectors, ThePanelPreviewsTheFileAfterTheAboutBoxAndYesAppliesIt) {
    EXPECT_EQ(platform.shown, QStringList{QStringLiteral("about")});
    EXPECT_FALSE(find("expgb")->isHidden());
    EXPECT_FALSE(find("yngb")->isHidden());
    EXPECT_TRUE(find<QPlainTextEdit>("expmem")->toPlainText().startsWith(
        QStringLiteral("Too add velocity vectors you put the vectors 'tip to tail'.\n")));

    QTest::mouseClick(find<QPushButton>("ybt"), Qt::LeftButton);
    EXPECT_TRUE(find("expgb")->isHidden());
    auto* notice = window.findChild<zephyra::SpokenNotice*>();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return notice->told().endsWith(QLatin1String("Motion loaded")); }, 5000));
    // Speeds 471, 514 and 686 tenths; angles 0.21378, 0.92730 and 0.60229 from East.
    EXPECT_EQ(text("airlb"), QStringLiteral("Wind: 47.1 m/s [N 77.8° E]"));
    EXPECT_EQ(text("planelb"), QStringLiteral("Plane: 51.4 m/s [N 36.9° E]"));
    EXPECT_EQ(text("rlb"), QStringLiteral("Ground: 68.6 m/s [N 55.5° E]"));
}

const QString missing = QStringLiteral(ZEPHYRA_TEST_DATA "/no such motion.rel");
using StartedWithMissingFile = StartedWith<&missing>;

TEST_F(StartedWithMissingFile, SaysSoAfterTheAboutBoxAndKeepsThePanelClosed) {
    EXPECT_EQ(platform.shown,
              (QStringList{QStringLiteral("about"), QStringLiteral("File not found")}));
    EXPECT_TRUE(find("expgb")->isHidden());
    EXPECT_EQ(window.scene().motionText, QString());
}

} // namespace
