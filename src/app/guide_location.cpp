#include "app/guide_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zephyra {

QUrl guideUrl() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    // This file lives in src/app/ of the source tree; the guide in docs/.
    const QDir sourceDir = QFileInfo(QString::fromUtf8(__FILE__)).dir();
    const QString candidates[] = {
        programDir.filePath(QStringLiteral("../share/doc/Zephyra/guide.html")),
        programDir.filePath(QStringLiteral("../share/doc/zephyra/guide.html")),
        sourceDir.filePath(QStringLiteral("../../docs/guide.html")),
    };
    for (const QString& candidate : candidates)
        if (QFileInfo::exists(candidate))
            return QUrl::fromLocalFile(QFileInfo(candidate).canonicalFilePath());
    return QUrl::fromLocalFile(QFileInfo(candidates[0]).absoluteFilePath());
}

} // namespace zephyra
