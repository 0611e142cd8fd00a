// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop side: the about box, the guide it links to, dialog filters and the clipboard.
#include "app/about_box.h"
#include "app/guide_location.h"
#include "app/qt_platform.h"
#include "motions/motion_panel.h"
#include "scene/scene.h"
#include "scene/version.h"
#include "support/printers.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace zephyra;

TEST(AboutBox, ShowsItsTextsAndAnyClickClosesIt) {
    const QString version = QStringLiteral("Version ") + QString::fromLatin1(programVersion);
    std::vector<QUrl> opened;
    Taboutboxp about(
        QStringLiteral("Zephyra About"), QStringLiteral("Product Name: Zephyra"), version,
        guideUrl(), [&](const QUrl& url) { opened.push_back(url); }, nullptr);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Zephyra About"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
              QStringLiteral("Product Name: Zephyra"));
    EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("Version"))->text(), version);
    EXPECT_FALSE(about.findChild<QLabel*>(QStringLiteral("Comments"))->text().isEmpty());

    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::mouseClick(&about, Qt::LeftButton, {}, QPoint(4, about.height() - 4));
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_TRUE(opened.empty());
}

TEST(AboutBox, TheLinkOpensTheUserGuide) {
    std::vector<QUrl> opened;
    Taboutboxp about(
        QStringLiteral("Zephyra About"), QString(), QString(), guideUrl(),
        [&](const QUrl& url) { opened.push_back(url); }, nullptr);
    about.show();
    auto* link = about.findChild<QLabel*>(QStringLiteral("guideLink"));
    ASSERT_NE(link, nullptr);
    EXPECT_TRUE(link->text().contains(guideUrl().toString(QUrl::FullyEncoded)));
    Q_EMIT link->linkActivated(guideUrl().toString(QUrl::FullyEncoded));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], guideUrl());
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutBox, LogoAddsThreeColouredArrowsOnASkyDisc) {
    const QImage logo = aboutLogo(96);
    EXPECT_EQ(logo.size(), QSize(96, 96));
    EXPECT_EQ(qAlpha(logo.pixel(0, 0)), 0);
    int blue = 0, red = 0, black = 0, sky = 0;
    for (int y = 0; y < logo.height(); ++y)
        for (int x = 0; x < logo.width(); ++x) {
            const QRgb p = logo.pixel(x, y);
            blue += p == qRgb(0, 0, 255);
            red += p == qRgb(255, 0, 0);
            black += p == qRgb(0, 0, 0);
            sky += p == qRgb(0, 255, 255);
        }
    EXPECT_GT(blue, 50);
    EXPECT_GT(red, 50);
    EXPECT_GT(black, 50);
    EXPECT_GT(sky, 2000);
}

TEST(Guide, IsFoundAsALocalHtmlFile) {
    const QUrl guide = guideUrl();
    ASSERT_TRUE(guide.isLocalFile());
    EXPECT_TRUE(QFileInfo::exists(guide.toLocalFile())) << guide.toLocalFile().toStdString();
    EXPECT_TRUE(guide.toLocalFile().endsWith(QStringLiteral("guide.html")));
}

TEST(Dialogs, FilterTakesTheDesktopForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"Relative Motion|*.rel", "Relative Motion (*.rel)"},
        {"Relative Motion|*.rel|All files|*", "Relative Motion (*.rel);;All files (*)"},
        {"Pictures|*.png;*.bmp", "Pictures (*.png *.bmp)"},
        {"*.rel", "*.rel"},
    };
    for (const auto& [given, shown] : cases)
        EXPECT_EQ(dialogFilter(QLatin1String(given)), QLatin1String(shown)) << given;
}

// Saving over an existing file asks first, and only Yes replaces it.
TEST(Dialogs, SavingOverAFileAsksAndNoKeepsIt) {
    const std::pair<QMessageBox::StandardButton, bool> cases[] = {
        {QMessageBox::No, false},
        {QMessageBox::Yes, true},
    };
    for (const auto& [button, replaced] : cases) {
        const QMessageBox::StandardButton answer = button; // a lambda below takes it
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sheet.rel"));
        {
            QFile sheet(path);
            ASSERT_TRUE(sheet.open(QIODevice::WriteOnly) && sheet.write("teacher's sheet") > 0);
        }
        Scene scene;
        SaveMotion1Click(scene);
        QString question;
        // Answers the modal windows as they come: the file name, the question, and after
        // No the dialog is closed.
        QTimer answerer;
        QObject::connect(&answerer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                question = box->text();
                box->button(answer)->click();
            } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                if (!question.isEmpty()) {
                    dialog->reject();
                    return;
                }
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                name->setText(path);
                // From a fresh event: the question it opens needs this timer to answer it.
                QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
            }
        });
        answerer.start(20);
        QtPlatform platform;
        lsbtClick(scene, platform);
        answerer.stop();

        EXPECT_TRUE(question.contains(QStringLiteral("sheet.rel already exists")))
            << question.toStdString();
        QFile sheet(path);
        ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
        EXPECT_EQ(sheet.readAll().startsWith("teacher's sheet"), !replaced);
        EXPECT_EQ(scene.expgbVisible, !replaced);
    }
}

TEST(Clipboard, HoldsTheSamePixelsThatWerePut) {
    QImage picture(31, 17, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 8, y * 15, (x + y) % 2 ? 255 : 0));
    QtPlatform platform;
    platform.setClipboardImage(picture);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), picture);
}

} // namespace
