// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

#include <optional>

namespace zephyra {

struct Scene;

// Everything modal or system-wide that behaviour needs. The app implements it with Qt;
// tests use a scripted fake, so no test ever waits on a modal window.
class Platform {
public:
    virtual ~Platform() = default;

    // Shows the about box modally with the texts the scene holds for it.
    virtual void showAbout(const Scene& scene) = 0;
    virtual void showError(const QString& message) = 0;
    // A message that tells something, not that something failed.
    virtual void showMessage(const QString& message) = 0;
    // A path, or nothing when the user cancels. filter is "Relative Motion|*.rel" style.
    virtual std::optional<QString> openFileName(const QString& folder, const QString& filter,
                                                const QString& defaultExtension) = 0;
    virtual std::optional<QString> saveFileName(const QString& folder, const QString& filter,
                                                const QString& defaultExtension) = 0;
    virtual void setClipboardImage(const QImage& image) = 0;
    // Hands the address to the desktop; false when no program took it.
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace zephyra
