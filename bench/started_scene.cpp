// SPDX-License-Identifier: GPL-3.0-or-later
#include "started_scene.h"

#include "scene/platform.h"
#include "scene/scene.h"
#include "startup/startup.h"

namespace zephyra {

namespace {

class SilentPlatform : public Platform {
public:
    void showAbout(const Scene&) override {}
    void showError(const QString&) override {}
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void setClipboardImage(const QImage&) override {}
    void openUrl(const QUrl&) override {}
};

} // namespace

void startUp(Scene& scene) {
    SilentPlatform platform;
    FormCreate(scene);
    FormActivate(scene, platform);
}

} // namespace zephyra
