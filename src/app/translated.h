// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;

namespace zephyra {

// The window's own texts (captions, titles, accessible names) are written in English in the
// tables of each part, marked with QT_TRANSLATE_NOOP in this context, and shown translated.
// Each widget keeps its English text, so a change of language shows it anew.
inline constexpr const char* windowContext = "Trelativefrm";

QString windowText(const char* english);

// Sets the caption of a button or label, the title of a group box (and its accessible name)
// or menu, or the text of a menu item, translated.
void setTranslatedText(QObject* object, const char* english);
void setTranslatedName(QWidget* widget, const char* english);

// Shows again, in the language now chosen, every text set above on root and inside it.
void retranslate(QObject* root);

} // namespace zephyra
