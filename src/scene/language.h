// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

namespace zephyra {

// The scene keeps its texts in English with a point in every number, so a file, a test or a
// handler never depends on the language. The window shows them through localised(), in the
// language whose translators QCoreApplication holds and with that language's decimal sign.
// Texts that only pass by (messages, spoken notices, a question's lines) are translated
// where they are made, with QCoreApplication::translate.

// The language numbers are shown in; the C locale (a point) until one is chosen.
void setDisplayLocale(const QLocale& locale);

// A scene text as the window shows it: a known caption translated whole, a read-out's words
// ("Time: ", "Wind: ", ...) translated, its compass letters as the language writes them
// ("[N 30.0° E]" is "[N 30,0° O]" in German) and its decimals with the language's sign. Each
// line of a text broken by carriage returns is shown so; any other text is left as it is.
QString localised(const QString& sceneText);

} // namespace zephyra
