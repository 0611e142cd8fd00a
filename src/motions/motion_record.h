// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scene/scene.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <variant>

namespace zephyra {

inline constexpr int motionFieldCount = 37;
// A text may hold more tokens than fields; the store keeps the first forty.
inline constexpr int motionFieldStore = 40;

// Shape positions are kept within this many pixels of the origin, far beyond anything
// the arrows can reach (±60000 at the longest), so no arithmetic on them overflows.
inline constexpr int motionPositionLimit = 1'000'000;

// The tokens of a motion text, field 1 at index 0. The first character always starts the
// first token, only ' ' separates, and the last token is always field 37.
std::array<QString, motionFieldStore> splitMotionText(const QString& text);

// Leading spaces, an optional sign and decimal digits that fit in 32 bits.
std::optional<int> parseRecordInteger(QStringView token);
// A finite decimal number with '.' as decimal point, whatever the locale.
std::optional<double> parseRecordAngle(QStringView token);

// The stored shapes in record order; each is stored Top first, then Left.
inline constexpr std::array<Shape Scene::*, 13> recordShapes{
    &Scene::Startsh,   &Scene::stopsh,    &Scene::planesh,  &Scene::windshm,   &Scene::planeshm,
    &Scene::resultshm, &Scene::windshb,   &Scene::planeshb, &Scene::resultshb, &Scene::windsht,
    &Scene::planesht,  &Scene::resultsht, &Scene::movesh};

struct ShapePlace {
    int top = 0;
    int left = 0;
};

// The 37 fields of a motion record, converted but not yet clamped to their controls.
struct MotionRecord {
    int distanceIndex = 0;
    int startFinish = 0;
    int windSpeed = 0;
    int planeSpeed = 0;
    int groundSpeed = 0;
    int vectorScale = 0;
    std::array<ShapePlace, recordShapes.size()> places{};
    int options = 0;
    double windAngle = 0.0;
    double planeAngle = 0.0;
    double groundAngle = 0.0;
    int riverWidth = 0;
};

// The record, or the message for the first field that fails in the order the fields
// are applied.
std::variant<MotionRecord, QString> parseMotionText(const QString& text);

// The six data lines of the current scene's record.
QStringList motionRecordLines(const Scene& scene);

} // namespace zephyra
