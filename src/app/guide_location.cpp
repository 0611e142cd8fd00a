// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guide_location.h"

#include "app/translated.h"
#include "scene/platform.h"

#include <QCoreApplication>
#include <QDir>

namespace zephyra {

QUrl guideUrl() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(
        QDir::cleanPath(programDir.filePath(QStringLiteral(ZEPHYRA_GUIDE_DIR "/guide.html"))));
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
