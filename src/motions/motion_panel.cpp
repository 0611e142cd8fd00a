// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/motion_panel.h"

#include "motions/motion_apply.h"
#include "motions/motion_file.h"
#include "scene/platform.h"
#include "scene/scene.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace zephyra {

namespace {

QString motionFilter() {
    //: Name of the motion files in the file dialogs; keep "|*.rel"
    return QCoreApplication::translate("Motion panel", "Relative Motion|*.rel");
}
QString motionExtension() {
    return QStringLiteral("rel");
}
QString loadPrompt() {
    return QCoreApplication::translate("Motion panel", "Click load to choose a file");
}
QString savePlaceholder() {
    return QCoreApplication::translate("Motion panel", "Type in explaination here!");
}

QString cutNote() {
    return QCoreApplication::translate("Motion panel",
                                       "(The rest of the explanation is too long to show here.)");
}

// The box shows at most this much of a file's explanation, far more than any worksheet
// holds: laying out more would keep the window from answering.
constexpr qsizetype previewLimit = 65536;
// Laying out one unbroken line takes time that grows with the square of its length, so
// the box breaks longer lines here.
constexpr qsizetype previewLineLength = 4096;

void closePanel(Scene& scene) {
    scene.expgbVisible = false;
    scene.panel1Enabled = true;
}

void showPreview(Scene& scene, const MotionFileText& text) {
    scene.expmemText = explanationPreview(text.explanation);
    scene.yngbVisible = true;
}

void choose(Scene& scene, const QString& path, const MotionFileRead& read) {
    scene.openmotionFileName = path;
    scene.chosenRecord = read.text.record;
    scene.chosenError = read.error;
}

void loadFile(Scene& scene, Platform& platform, const QString& folder) {
    scene.expmemText.clear();
    const auto chosen = platform.openFileName(folder, motionFilter(), motionExtension());
    if (!chosen)
        return;
    const MotionFileRead read = readMotionFile(*chosen);
    choose(scene, *chosen, read);
    // A file that is not there is passed over without a word; "&Yes" would name it.
    if (read.error.isEmpty())
        showPreview(scene, read.text);
    else if (QFileInfo::exists(*chosen))
        platform.showError(read.error);
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

QString explanationPreview(const QString& explanation) {
    QStringView kept = QStringView(explanation).first(std::min(explanation.size(), previewLimit));
    const bool cut = kept.size() < explanation.size();
    if (cut && kept.back().isHighSurrogate())
        kept.chop(1);
    QString preview;
    preview.reserve(kept.size() + kept.size() / previewLineLength + cutNote().size() + 1);
    qsizetype column = 0;
    for (const QChar c : kept) {
        // Never between the two halves of a surrogate pair.
        if (c != u'\n' && column >= previewLineLength && !c.isLowSurrogate()) {
            preview += u'\n';
            column = 0;
        }
        preview += c;
        column = c == u'\n' ? 0 : column + 1;
    }
    if (cut)
        preview += u'\n' + cutNote();
    return preview;
}

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
    if (!scene.chosenError.isEmpty()) {
        platform.showError(scene.chosenError);
        return;
    }
    if (!applyMotionText(scene, platform, scene.chosenRecord))
        return;
    scene.questionText = scene.expmemText;
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
    choose(scene, path, read);
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
    if (std::exchange(scene.rereading, false))
        return;
    scene.questionText = scene.expmemText;
    expbtClick(scene, platform);
}

void ShowQuestion1Click(Scene& scene) {
    scene.expmemText = scene.questionText.isEmpty()
                           ? QCoreApplication::translate(
                                 "Motion panel", "No question or motion has been loaded yet.")
                           : scene.questionText;
    scene.rereading = true;
    scene.expmemReadOnly = true;
    scene.qbVisible = true;
    scene.expgbVisible = true;
}

} // namespace zephyra
