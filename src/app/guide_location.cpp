// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guide_location.h"

#include <QCoreApplication>
#include <QDir>

namespace zephyra {

QUrl guideUrl() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    return QUrl::fromLocalFile(
        QDir::cleanPath(programDir.filePath(QStringLiteral(ZEPHYRA_GUIDE_DIR "/guide.html"))));
}

} // namespace zephyra
