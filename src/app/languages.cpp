// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/languages.h"

#include "scene/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace zephyra {

namespace {

// Where qt_add_translations puts the compiled translations, as zephyra_CODE.qm.
const QString builtIn = QStringLiteral(":/i18n");
const QString english = QStringLiteral("en");

struct Installed {
    QString code = english;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed() {
    static Installed state;
    return state;
}

// Each translation names its language in that language.
QString ownName(const QTranslator& translation) {
    //: The name of this translation's language in that language, as the Language menu lists
    //: it: "Deutsch", "Français"
    static const char* const name = QT_TRANSLATE_NOOP("Language", "English");
    const QString translated = translation.translate("Language", name);
    return translated.isEmpty() ? QString::fromLatin1(name) : translated;
}

} // namespace

std::vector<Language> availableLanguages() {
    std::vector<Language> languages{{english, ownName(QTranslator())}};
    const QStringList files =
        QDir(builtIn).entryList({QStringLiteral("zephyra_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        QTranslator translation;
        if (translation.load(file, builtIn))
            languages.push_back({file.mid(8).chopped(3), ownName(translation)});
    }
    return languages;
}

QString languageFor(const QStringList& wanted) {
    const std::vector<Language> spoken = availableLanguages();
    for (const QString& entry : wanted) {
        const QString code = entry.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        const bool known = std::any_of(spoken.begin(), spoken.end(), [&](const Language& l) {
            return l.code.compare(code, Qt::CaseInsensitive) == 0;
        });
        if (known)
            return code.toLower();
    }
    return english;
}

bool setLanguage(const QString& code) {
    Installed& state = installed();
    auto program = std::make_unique<QTranslator>();
    if (code != english && !program->load(QStringLiteral("zephyra_") + code, builtIn))
        return false;
    if (state.program)
        QCoreApplication::removeTranslator(state.program.get());
    if (state.qt)
        QCoreApplication::removeTranslator(state.qt.get());
    state.program.reset();
    state.qt.reset();
    if (code != english) {
        state.program = std::move(program);
        QCoreApplication::installTranslator(state.program.get());
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            state.qt = std::move(qt);
            QCoreApplication::installTranslator(state.qt.get());
        }
    }
    state.code = code;
    const QLocale locale = code == english ? QLocale::c() : QLocale(code);
    setDisplayLocale(locale);
    // Qt's own dialogs and buttons follow the same language.
    QLocale::setDefault(code == english ? QLocale(QLocale::English, QLocale::UnitedStates)
                                        : locale);
    return true;
}

QString currentLanguage() {
    return installed().code;
}

} // namespace zephyra
