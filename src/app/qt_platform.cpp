// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt_platform.h"

#include "app/about_box.h"
#include "app/designed_look.h"
#include "app/guide_location.h"
#include "app/zoom_host.h"
#include "scene/language.h"
#include "scene/scene.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

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

std::unique_ptr<DesignedStyle> QtPlatform::zoomedStyle() const {
    const double scale = boxScale(zoomScale());
    return scale == 1.0 ? nullptr : std::make_unique<DesignedStyle>(scale);
}

namespace {

void showZoomed(QWidget* box, DesignedStyle* style) {
    if (!style)
        return;
    showScaled(box, style, style->scale());
    // A box that sizes itself as it shows (a message box) takes its size then; a file dialog
    // keeps the one it was made with, made large.
    box->resize(box->size() * style->scale());
    // Columns made for the designed font (a file dialog's list) are made as large.
    for (QHeaderView* header : box->findChildren<QHeaderView*>())
        for (int section = 0; section < header->count(); ++section)
            header->resizeSection(section, qRound(header->sectionSize(section) * style->scale()));
}

// Qt keeps a message box to half the screen's width and at most 500 pixels, a width made for
// the designed font, and wraps its text to it. Shown larger, the text gets as much more room, so
// that its lines keep their words (as far as the screen holds them).
void widenText(QMessageBox& box, const QString& text, double scale) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    const QScreen* screen = box.screen();
    if (!grid || !screen)
        return;
    constexpr int widestDesigned = 500;
    const int designed = std::min(screen->availableGeometry().width() / 2, widestDesigned);
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QMargins margins = grid->contentsMargins();
    const int width = std::min(widest + box.iconPixmap().width(), qRound(designed * scale)) -
                      margins.left() - margins.right();
    if (width > 0)
        grid->addItem(new QSpacerItem(width, 0), grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

void QtPlatform::showBox(QMessageBox::Icon icon, const QString& message) {
    const std::unique_ptr<DesignedStyle> style = zoomedStyle();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zephyra"), message, QMessageBox::NoButton,
                    window_);
    box.setDefaultButton(box.addButton(QMessageBox::Ok));
    showZoomed(&box, style.get());
    // The icon at the size of the box's style; the desktop may have no larger picture of it.
    box.setIcon(icon);
    const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    if (style && box.iconPixmap().width() < iconSize)
        box.setIconPixmap(box.iconPixmap().scaled(iconSize, iconSize, Qt::KeepAspectRatio,
                                                  Qt::SmoothTransformation));
    if (style)
        widenText(box, message, style->scale());
    box.exec();
}

void QtPlatform::showError(const QString& message) {
    showBox(QMessageBox::Critical, message);
}

void QtPlatform::showMessage(const QString& message) {
    showBox(QMessageBox::Information, message);
}

std::optional<QString> QtPlatform::askFileName(bool save, const QString& folder,
                                               const QString& filter,
                                               const QString& defaultExtension) {
    const std::unique_ptr<DesignedStyle> style = zoomedStyle();
    QFileDialog dialog(window_, QString(), folder, dialogFilter(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QString suffix = defaultExtension;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    // Replacing a worksheet by a slip of the mouse loses it: the dialog asks first.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    showZoomed(&dialog, style.get());
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
