// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_platform.h"

#include "app/about_box.h"
#include "app/guide_location.h"
#include "app/zoom_host.h"
#include "scene/language.h"
#include "scene/scene.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace zephyra {

QString dialogFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return entries.isEmpty() ? filter : entries.join(QLatin1String(";;"));
}

void QtPlatform::showAbout(const Scene& scene) {
    Taboutboxp about(
        localised(scene.aboutCaption), localised(scene.aboutProductName),
        localised(scene.aboutVersion), guideUrl(),
        [this](const QUrl& url) { openGuide(*this, url); }, window_, zoomScale());
    about.exec();
}

double QtPlatform::zoomScale() const {
    const ZoomHost* host = window_ ? window_->findChild<ZoomHost*>() : nullptr;
    return host ? host->scale() : 1.0;
}

void QtPlatform::showError(const QString& message) {
    QMessageBox::critical(window_, QStringLiteral("Zephyra"), message);
}

void QtPlatform::showMessage(const QString& message) {
    QMessageBox::information(window_, QStringLiteral("Zephyra"), message);
}

std::optional<QString> QtPlatform::askFileName(bool save, const QString& folder,
                                               const QString& filter,
                                               const QString& defaultExtension) {
    QFileDialog dialog(window_, QString(), folder, dialogFilter(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString suffix = defaultExtension;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    // Replacing a worksheet by a slip of the mouse loses it: the dialog asks first.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtPlatform::openFileName(const QString& folder, const QString& filter,
                                                const QString& defaultExtension) {
    return askFileName(false, folder, filter, defaultExtension);
}

std::optional<QString> QtPlatform::saveFileName(const QString& folder, const QString& filter,
                                                const QString& defaultExtension) {
    return askFileName(true, folder, filter, defaultExtension);
}

void QtPlatform::setClipboardImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

bool QtPlatform::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace zephyra
