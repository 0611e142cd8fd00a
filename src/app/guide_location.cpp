// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guide_location.h"

#include "app/languages.h"
#include "app/translated.h"
#include "scene/platform.h"

#include <QCoreApplication>
#include <QDir>

namespace zephyra {

namespace {

QDir guides() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZEPHYRA_GUIDE_DIR));
}

void openDocument(Platform& platform, const QUrl& url, const char* notOpened) {
    if (!platform.openUrl(url))
        platform.showError(
            windowText(notOpened).arg(url.isLocalFile() ? url.toLocalFile() : url.toString()));
}

} // namespace

QUrl guideUrl() {
    const QString translated = QStringLiteral("guide_%1.html").arg(currentLanguage());
    const QString name = guides().exists(translated) ? translated : QStringLiteral("guide.html");
    return QUrl::fromLocalFile(QDir::cleanPath(guides().filePath(name)));
}

QUrl worksheetsUrl() {
    return QUrl::fromLocalFile(
        QDir::cleanPath(guides().filePath(QStringLiteral("worksheets.html"))));
}

void openGuide(Platform& platform, const QUrl& guide) {
    openDocument(platform, guide,
                 QT_TRANSLATE_NOOP("Trelativefrm",
                                   "No program was found to open the user guide.\nIts file is %1"));
}

void openWorksheets(Platform& platform, const QUrl& worksheets) {
    openDocument(platform, worksheets,
                 QT_TRANSLATE_NOOP("Trelativefrm",
                                   "No program was found to open the worksheets.\nIts file is %1"));
}

} // namespace zephyra
