// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: one motion file, --help, --version, Qt's own options, and what is refused.
#include "app/application.h"
#include "app/command_line.h"
#include "support/printers.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace zephyra;
using Action = CommandLine::Action;

TEST(CommandLine, TakesOneFileAndLeavesQtsOptionsToQt) {
    struct Case {
        QStringList arguments;
        Action action;
        std::optional<QString> file;
    };
    const Case cases[] = {
        {{}, Action::Run, std::nullopt},
        {{QStringLiteral("a.rel")}, Action::Run, QStringLiteral("a.rel")},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("a.rel")},
         Action::Run,
         QStringLiteral("a.rel")},
        {{QStringLiteral("--style=fusion"), QStringLiteral("-reverse"), QStringLiteral("b.rel")},
         Action::Run,
         QStringLiteral("b.rel")},
        {{QStringLiteral("--"), QStringLiteral("-odd.rel")},
         Action::Run,
         QStringLiteral("-odd.rel")},
        {{QStringLiteral("--version")}, Action::PrintVersion, std::nullopt},
        {{QStringLiteral("-v"), QStringLiteral("a.rel")}, Action::PrintVersion, std::nullopt},
        {{QStringLiteral("-h")}, Action::PrintHelp, std::nullopt},
        {{QStringLiteral("--help"), QStringLiteral("a.rel"), QStringLiteral("b.rel")},
         Action::PrintHelp,
         std::nullopt},
    };
    for (const Case& c : cases) {
        const CommandLine line =
            parseCommandLine(QStringList{QStringLiteral("zephyra")} + c.arguments);
        EXPECT_EQ(line.action, c.action) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(line.motionFile, c.file) << c.arguments.join(u' ').toStdString();
    }
}

TEST(CommandLine, RefusesUnknownOptionsAndASecondFileInOneLine) {
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("--bogus")}, "zephyra: Unknown option 'bogus'.\n"},
        {{QStringLiteral("-hv")}, "zephyra: Unknown option 'hv'.\n"},
        {{QStringLiteral("a.rel"), QStringLiteral("b.rel")},
         "zephyra: only one motion file can be opened, 2 were given\n"},
        {{QStringLiteral("-platform")}, "zephyra: Missing value after '-platform'.\n"},
        {{QStringLiteral("--zoom"), QStringLiteral("24")},
         "zephyra: the zoom must be a whole percentage from 25 to 800, not \"24\"\n"},
        {{QStringLiteral("--zoom=150%")},
         "zephyra: the zoom must be a whole percentage from 25 to 800, not \"150%\"\n"},
        {{QStringLiteral("--zoom"), QStringLiteral("801")},
         "zephyra: the zoom must be a whole percentage from 25 to 800, not \"801\"\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const CommandLine line =
            parseCommandLine(QStringList{QStringLiteral("zephyra")} + arguments);
        EXPECT_EQ(line.action, Action::Fail);
        EXPECT_EQ(line.output, QString::fromLatin1(message));
    }
}

TEST(CommandLine, TakesAZoomAndFullScreenBesideAFile) {
    const CommandLine line = parseCommandLine(
        {QStringLiteral("zephyra"), QStringLiteral("--zoom"), QStringLiteral("150"),
         QStringLiteral("-full-screen"), QStringLiteral("a.rel")});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.zoomPercent, 150);
    EXPECT_TRUE(line.fullScreen);
    EXPECT_EQ(line.motionFile, QStringLiteral("a.rel"));
    for (const char* percent : {"25", "800"})
        EXPECT_EQ(parseCommandLine(
                      {QStringLiteral("zephyra"), QStringLiteral("--zoom"), QLatin1String(percent)})
                      .zoomPercent,
                  QLatin1String(percent).toString().toInt());
    const CommandLine plain = parseCommandLine({QStringLiteral("zephyra")});
    EXPECT_EQ(plain.zoomPercent, std::nullopt);
    EXPECT_FALSE(plain.fullScreen);
    const QString help = parseCommandLine({QStringLiteral("zephyra"), QStringLiteral("-h")}).output;
    EXPECT_TRUE(help.contains(QLatin1String("--zoom <PERCENT>")));
    EXPECT_TRUE(help.contains(QLatin1String("--full-screen")));
}

TEST(Settings, TheFileDialogsLeaveNoHistoryBehind) {
    keepNoSettings();
    QTemporaryDir folder;
    {
        QFileDialog dialog(nullptr, QString(), folder.path());
        dialog.show();
        dialog.setHistory({folder.path()});
    }
    const QSettings settings(QSettings::UserScope, QStringLiteral("QtProject"));
    EXPECT_FALSE(QFileInfo::exists(settings.fileName())) << settings.fileName().toStdString();
}

} // namespace
