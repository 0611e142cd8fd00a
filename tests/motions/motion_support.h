// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "motions/motion_record.h"
#include "scene/scene.h"
#include "support/fake_platform.h"
#include "support/started_scene.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Helpers shared by the motion tests.
namespace motion_test {

using ::startedScene;

// The scene's record on one line, as the built-in questions hold theirs.
inline QString recordOf(const zephyra::Scene& scene) {
    return zephyra::motionRecordLines(scene).join(u' ');
}

// Everything a record carries that shows outside the record itself.
inline QStringList readOutsOf(const zephyra::Scene& scene) {
    return {scene.airlb.caption,   scene.planelb.caption,     scene.rlb.caption,
            scene.shorelb.caption, scene.directionlb.caption, scene.timelb.caption,
            scene.units1Caption,   scene.speedUnit,           QString::number(scene.courseAngle)};
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QString dataFile(const char* name) {
    return QStringLiteral(ZEPHYRA_TEST_DATA "/") + QString::fromLatin1(name);
}

} // namespace motion_test
