// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guide_location.h"

#include "app/languages.h"
#include "app/translated.h"
#include "scene/platform.h"

#include <QCoreApplication>
#include <QDir>

namespace zephyra {

QUrl guideUrl() {
    const QDir guides(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(ZEPHYRA_GUIDE_DIR)));
    const QString translated = QStringLiteral("guide_%1.html").arg(currentLanguage());
    const QString name = guides.exists(translated) ? translated : QStringLiteral("guide.html");
    return QUrl::fromLocalFile(QDir::cleanPath(guides.filePath(name)));
}

void openGuide(Platform& platform, const QUrl& guide) {
    if (!platform.openUrl(guide))
        platform.showError(
            windowText(
                QT_TRANSLATE_NOOP("Trelativefrm",
                                  "No program was found to open the user guide.\nIts file is %1"))
                .arg(guide.isLocalFile() ? guide.toLocalFile() : guide.toString()));
}

} // namespace zephyra
