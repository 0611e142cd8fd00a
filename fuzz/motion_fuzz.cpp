// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any bytes through the .rel reader, the field splitter and the record's
// validation and application, and checks what must hold whatever the input.
#include "motions/motion_apply.h"
#include "motions/motion_file.h"
#include "motions/motion_panel.h"
#include "motions/motion_record.h"
#include "scene/scene.h"
#include "support/fake_platform.h"
#include "support/started_scene.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

namespace {

const zephyra::Scene& clippedScene() {
    static const zephyra::Scene scene = [] {
        zephyra::Scene s = startedScene();
        // Painting is clipped to one-pixel pictures: every figure is still computed,
        // but the run spends its time on the record rather than on filling pixels.
        for (QImage* picture : {&s.waterim, &s.windim, &s.planeim, &s.resultantim})
            *picture = QImage(1, 1, QImage::Format_RGB32);
        return s;
    }();
    return scene;
}

void require(bool condition) {
    if (!condition)
        std::abort();
}

void applyAndCheck(const QString& text) {
    static const QStringList before = zephyra::motionRecordLines(clippedScene());
    zephyra::Scene scene = clippedScene();
    FakePlatform platform;
    const bool applied = zephyra::applyMotionText(scene, platform, text);
    require(applied == platform.errors.isEmpty());
    require(scene.distanceScale >= 0 && scene.distanceScale <= 5);
    const QStringList after = zephyra::motionRecordLines(scene);
    if (!applied) {
        require(after == before);
        return;
    }
    // Whatever was applied is written back as a record that applies again.
    require(std::holds_alternative<zephyra::MotionRecord>(
        zephyra::parseMotionText(u' ' + after.join(u' '))));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt gets only the program name, so the fuzzer's own options stay untouched.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QGuiApplication app(qtArgc, qtArgv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zephyra::MotionFileText file = zephyra::parseMotionFile(bytes);
    // The text box gets a bounded preview: no line in it longer than the box lays out fast.
    const QString preview = zephyra::explanationPreview(file.explanation);
    require(preview.size() <= 65536 + 16 + 64);
    for (const QStringView line : QStringView(preview).tokenize(u'\n'))
        require(line.size() <= 4097);
    applyAndCheck(file.record);
    // The same bytes as a record held in the program, without a file around it.
    applyAndCheck(QString::fromUtf8(bytes));
    return 0;
}
