// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/about_box.h"
#include "app/command_line.h"
#include "app/languages.h"
#include "app/main_window.h"
#include "app/qt_platform.h"
#include "scene/version.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>
#include <QSettings>
#include <QStyleFactory>

#include <csignal>
#include <cstdio>

namespace zephyra {

namespace {

// Before any window: --help and --version need no display. A core application alone gives
// the help its program name.
// The language comes first, so the help is read in it.
CommandLine readCommandLine(int argc, char** argv) {
    QCoreApplication core(argc, argv);
    const CommandLine first = parseCommandLine(QCoreApplication::arguments());
    setLanguage(chosenLanguage(first));
    return parseCommandLine(QCoreApplication::arguments());
}

} // namespace

QString chosenLanguage(const CommandLine& commandLine) {
    return commandLine.language.value_or(languageFor(QLocale::system().uiLanguages()));
}

void keepNoSettings() {
    // No file can go under /dev/null, so Qt's settings there read nothing and write nothing.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

int runApplication(int argc, char** argv) {
    const CommandLine commandLine = readCommandLine(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Action::PrintHelp:
    case CommandLine::Action::PrintVersion:
        std::fputs(qPrintable(commandLine.output), stdout);
        return 0;
    case CommandLine::Action::Fail:
        std::fputs(qPrintable(commandLine.output), stderr);
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    // Under a file size limit any write past it (a motion, a font cache, the dialog's
    // history) would kill the program with the scene in it; ignored, the write fails and
    // a save says "Disk full".
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zephyra"));
    QApplication::setApplicationVersion(QString::fromLatin1(programVersion));
    keepNoSettings();
    setLanguage(chosenLanguage(commandLine));
    // One look on every desktop, so the designed layout holds everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QPixmap::fromImage(aboutLogo(64)));
    QtPlatform platform;
    Trelativefrm relativefrm(platform);
    platform.setWindow(&relativefrm);
    if (commandLine.motionFile)
        relativefrm.openAtStart(*commandLine.motionFile);
    if (commandLine.zoomPercent)
        relativefrm.zoomAtStart(*commandLine.zoomPercent);
    if (commandLine.fullScreen)
        relativefrm.enterFullScreen();
    else
        relativefrm.show();
    // Ask for the focus: without a window manager nothing else would activate the window.
    relativefrm.activateWindow();
    return app.exec();
}

} // namespace zephyra
