// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/platform.h"

#include <QMessageBox>

#include <memory>

class QWidget;

namespace zephyra {

class DesignedStyle;

// The platform as the desktop provides it: modal boxes and dialogs over the main window,
// the system clipboard and the browser.
class QtPlatform : public Platform {
public:
    // The dialogs are modal to window; set it once the window exists.
    void setWindow(QWidget* window) { window_ = window; }

    void showAbout(const Scene& scene) override;
    void showError(const QString& message) override;
    void showMessage(const QString& message) override;
    std::optional<QString> openFileName(const QString& folder, const QString& filter,
                                        const QString& defaultExtension) override;
    std::optional<QString> saveFileName(const QString& folder, const QString& filter,
                                        const QString& defaultExtension) override;
    void setClipboardImage(const QImage& image) override;
    bool openUrl(const QUrl& url) override;

private:
    std::optional<QString> askFileName(bool save, const QString& folder, const QString& filter,
                                       const QString& defaultExtension);
    void showBox(QMessageBox::Icon icon, const QString& message);
    // The scale the window shows its client area at, for its boxes.
    double zoomScale() const;
    // The style of a box shown at that scale, kept while the box lives; none (the
    // application's) at the designed size.
    std::unique_ptr<DesignedStyle> zoomedStyle() const;
    QWidget* window_ = nullptr;
};

// "Relative Motion|*.rel" as a Qt dialog filter: "Relative Motion (*.rel)".
QString dialogFilter(const QString& filter);

} // namespace zephyra
