#include "motions/motion_panel.h"

#include "motions/motion_apply.h"
#include "motions/motion_file.h"
#include "scene/platform.h"
#include "scene/scene.h"

#include <QDir>
#include <QFileInfo>

namespace zephyra {

namespace {

QString motionFilter() {
    return QStringLiteral("Relative Motion|*.rel");
}
QString motionExtension() {
    return QStringLiteral("rel");
}
QString loadPrompt() {
    return QStringLiteral("Click load to choose a file");
}
QString savePlaceholder() {
    return QStringLiteral("Type in explaination here!");
}

void closePanel(Scene& scene) {
    scene.expgbVisible = false;
    scene.panel1Enabled = true;
}

void showPreview(Scene& scene, const MotionFileText& text) {
    scene.expmemText = text.explanation.join(u'\n');
    scene.yngbVisible = true;
}

void loadFile(Scene& scene, Platform& platform, const QString& folder) {
    scene.expmemText.clear();
    const auto chosen = platform.openFileName(folder, motionFilter(), motionExtension());
    if (!chosen)
        return;
    scene.openmotionFileName = *chosen;
    if (!QFileInfo::exists(*chosen))
        return;
    const MotionFileRead read = readMotionFile(*chosen);
    if (!read.error.isEmpty()) {
        platform.showError(read.error);
        return;
    }
    showPreview(scene, read.text);
}

void saveFile(Scene& scene, Platform& platform, const QString& folder) {
    const auto chosen = platform.saveFileName(folder, motionFilter(), motionExtension());
    if (!chosen)
        return;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo(path).isDir())
        path += u'.' + motionExtension();
    const QString error = writeMotionFile(path, scene.expmemText, scene);
    if (!error.isEmpty()) {
        platform.showError(error);
        return;
    }
    closePanel(scene);
}

} // namespace

void Openmotion1Click(Scene& scene) {
    scene.expgbCaption = QStringLiteral("Load a Plane Motion");
    scene.panelMode = PanelMode::Load;
    scene.lsbtCaption = QStringLiteral("&Load");
    scene.expmemReadOnly = true;
    scene.expmemText = loadPrompt();
    scene.expgbVisible = true;
}

void SaveMotion1Click(Scene& scene) {
    scene.panelMode = PanelMode::Save;
    scene.expgbCaption = QStringLiteral("Save a Plane Motion");
    scene.expmemReadOnly = false;
    scene.panel1Enabled = false;
    scene.lsbtCaption = QStringLiteral("&Save");
    scene.expmemText = savePlaceholder();
    scene.expgbVisible = true;
}

void expmemEnter(Scene& scene) {
    // Only the placeholder gives way; text the user typed is never wiped.
    if (!scene.expmemReadOnly && scene.expmemText == savePlaceholder())
        scene.expmemText.clear();
}

void lsbtClick(Scene& scene, Platform& platform) {
    const QString folder = QDir::currentPath();
    switch (scene.panelMode) {
    case PanelMode::Load:
        loadFile(scene, platform, folder);
        break;
    case PanelMode::Save:
        saveFile(scene, platform, folder);
        break;
    case PanelMode::None:
        break;
    }
}

void ybtClick(Scene& scene, Platform& platform) {
    const MotionFileRead read = readMotionFile(scene.openmotionFileName);
    if (!read.error.isEmpty()) {
        platform.showError(read.error);
        return;
    }
    if (!applyMotionText(scene, platform, read.text.record))
        return;
    scene.yngbVisible = false;
    closePanel(scene);
}

void openMotionFile(Scene& scene, Platform& platform, const QString& path) {
    const MotionFileRead read = readMotionFile(path);
    if (!read.error.isEmpty()) {
        platform.showError(read.error);
        return;
    }
    Openmotion1Click(scene);
    scene.openmotionFileName = path;
    showPreview(scene, read.text);
}

void nbtClick(Scene& scene) {
    scene.expmemText = loadPrompt();
    scene.yngbVisible = false;
}

void cancelbtClick(Scene& scene) {
    scene.yngbVisible = false;
    scene.expmemText.clear();
    closePanel(scene);
}

void okbtClick(Scene& scene, Platform& platform) {
    scene.qbVisible = false;
    closePanel(scene);
    expbtClick(scene, platform);
}

} // namespace zephyra
