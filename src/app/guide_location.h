// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

namespace zephyra {

// The user guide in the language chosen (guide_de.html), or in English where it has none;
// where the install puts it relative to the program's folder (the build tree keeps a copy at
// the same place, so a program run from there finds it too).
QUrl guideUrl();

// The printable worksheets, beside the guide.
QUrl worksheetsUrl();

// Opens the guide through the platform, or says where it is when no program takes it.
class Platform;
void openGuide(Platform& platform, const QUrl& guide);
// The same for the worksheets.
void openWorksheets(Platform& platform, const QUrl& worksheets);

} // namespace zephyra
