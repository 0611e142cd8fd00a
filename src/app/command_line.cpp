// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include "app/languages.h"
#include "scene/version.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace zephyra {

namespace {

// The options QGuiApplication, QApplication and the X11 platform take for themselves.
constexpr const char* qtOptionsWithValue[] = {"platform",
                                              "platformpluginpath",
                                              "platformtheme",
                                              "plugin",
                                              "qwindowgeometry",
                                              "qwindowicon",
                                              "qwindowtitle",
                                              "session",
                                              "display",
                                              "geometry",
                                              "title",
                                              "icon",
                                              "name",
                                              "style",
                                              "stylesheet",
                                              "qmljsdebugger"};
constexpr const char* qtFlags[] = {"reverse", "widgetcount", "nograb",
                                   "dograb",  "sync",        "testability"};

void addHidden(QCommandLineParser& parser, const char* name, const QString& valueName) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), valueName);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

QStringList languageCodes() {
    QStringList codes;
    for (const Language& language : availableLanguages())
        codes << language.code;
    return codes;
}

CommandLine failure(const QString& message) {
    return {CommandLine::Action::Fail,
            std::nullopt,
            std::nullopt,
            QStringLiteral("zephyra: %1\n").arg(message),
            {},
            false};
}

} // namespace

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are single-dash words (-platform xcb); so are ours then, -h and -v too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Relative motion for the classroom: how velocities add as vectors.\n"
                       "Qt's own options (-platform, -style, ...) are "
                       "understood as well."));
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QCoreApplication::translate("CommandLine", "Displays this help."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Displays the version."));
    //: Help of --language; keep "CODE" as it is in the value's name
    const QCommandLineOption language(
        QStringLiteral("language"),
        QCoreApplication::translate("CommandLine",
                                    "Speaks the language CODE (%1) instead of the desktop's.")
            .arg(languageCodes().join(QLatin1String(", "))),
        QStringLiteral("CODE"));
    //: Help of --zoom; keep "PERCENT" as it is in the value's name
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QCoreApplication::translate("CommandLine",
                                    "Opens the window at PERCENT of its designed size (%1 to "
                                    "%2), as far as the screen holds it.")
            .arg(smallestZoomPercent)
            .arg(largestZoomPercent),
        QStringLiteral("PERCENT"));
    const QCommandLineOption fullScreen(
        QStringLiteral("full-screen"),
        QCoreApplication::translate("CommandLine", "Opens the window full screen."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(language);
    parser.addOption(zoom);
    parser.addOption(fullScreen);
    for (const char* name : qtOptionsWithValue)
        addHidden(parser, name, QStringLiteral("value"));
    for (const char* name : qtFlags)
        addHidden(parser, name, QString());
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("CommandLine", "A motion file (.rel) to open after start-up."),
        QStringLiteral("[file.rel]"));

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    std::optional<QString> chosen;
    if (parser.isSet(language)) {
        const QString code = parser.value(language);
        if (!languageCodes().contains(code))
            return failure(QCoreApplication::translate(
                               "CommandLine", "no translation for the language '%1'; there are %2")
                               .arg(code, languageCodes().join(QLatin1String(", "))));
        chosen = code;
    }
    if (parser.isSet(help))
        return {CommandLine::Action::PrintHelp, std::nullopt, chosen, parser.helpText(), {}, false};
    if (parser.isSet(version))
        return {CommandLine::Action::PrintVersion,
                std::nullopt,
                chosen,
                QStringLiteral("Zephyra %1\n").arg(QLatin1String(programVersion)),
                {},
                false};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return failure(QCoreApplication::translate(
                           "CommandLine", "only one motion file can be opened, %1 were given")
                           .arg(files.size()));
    CommandLine run;
    run.language = chosen;
    if (parser.isSet(zoom)) {
        bool number = false;
        const int percent = parser.value(zoom).toInt(&number);
        if (!number || percent < smallestZoomPercent || percent > largestZoomPercent)
            return failure(
                QCoreApplication::translate(
                    "CommandLine", "the zoom must be a whole percentage from %1 to %2, not \"%3\"")
                    .arg(smallestZoomPercent)
                    .arg(largestZoomPercent)
                    .arg(parser.value(zoom)));
        run.zoomPercent = percent;
    }
    run.fullScreen = parser.isSet(fullScreen);
    if (!files.isEmpty())
        run.motionFile = files.constFirst();
    return run;
}

} // namespace zephyra
