// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace zephyra {

struct Language {
    QString code; // "de"
    QString name; // in its own language: "Deutsch"
};

// English, then every language whose translation is built into the program, by code. A
// translation added to the build appears here without a change to the code.
std::vector<Language> availableLanguages();

// The first of the desktop's languages, most wanted first as QLocale::uiLanguages() gives them
// ("de-DE", "fr"), that the program speaks; English when it speaks none of them.
QString languageFor(const QStringList& wanted);

// Installs the program's and Qt's own translations for code and the language's decimal sign
// for the numbers shown; every widget then hears QEvent::LanguageChange. Nothing is saved.
// False, and nothing changes, for a language the program does not speak.
bool setLanguage(const QString& code);

QString currentLanguage();

} // namespace zephyra
