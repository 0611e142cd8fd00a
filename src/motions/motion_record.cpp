// SPDX-License-Identifier: GPL-3.0-or-later
#include "motions/motion_record.h"

#include "geometry/notation.h"

#include <QCoreApplication>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zephyra {

namespace {

// A bad token as a message quotes it: its first characters only, since a message box
// laying out megabytes would stall the window, and control characters, which draw as
// nothing or as boxes, as the replacement character.
QString quoted(QStringView token) {
    constexpr qsizetype quoteLimit = 40;
    QString shown;
    qsizetype i = 0;
    for (; i < token.size() && shown.size() < quoteLimit; ++i) {
        const QChar c = token[i];
        if (c.isHighSurrogate() && i + 1 < token.size() && token[i + 1].isLowSurrogate()) {
            shown += c;
            shown += token[++i];
        } else {
            const bool drawable = c.isPrint() && !c.isSurrogate();
            shown += drawable || c == u'\t' ? c : QChar(QChar::ReplacementCharacter);
        }
    }
    if (i < token.size())
        shown += u'\u2026';
    return shown;
}

QString integerMessage(const QString& token) {
    return //: A field of a motion file that is not a whole number
        QCoreApplication::translate("Messages", "'%1' is not a valid integer value")
            .arg(quoted(token));
}

QString floatMessage(const QString& token) {
    return //: A field of a motion file that is not a number
        QCoreApplication::translate("Messages", "'%1' is not a valid floating point value")
            .arg(quoted(token));
}

// Walks the fields in the order they are applied and stops at the first that fails.
class FieldReader {
public:
    explicit FieldReader(const QString& text) : fields_(splitMotionText(text)) {}

    // Field numbers count from 1.
    int integer(int field) {
        if (failed())
            return 0;
        const QString& token = fields_[static_cast<std::size_t>(field - 1)];
        const auto value = parseRecordInteger(token);
        if (!value)
            error_ = integerMessage(token);
        return value.value_or(0);
    }

    double angle(int field) {
        if (failed())
            return 0.0;
        const QString& token = fields_[static_cast<std::size_t>(field - 1)];
        const auto value = parseRecordAngle(token);
        if (!value)
            error_ = floatMessage(token);
        return value.value_or(0.0);
    }

    bool failed() const { return !error_.isEmpty(); }
    const QString& error() const { return error_; }

private:
    std::array<QString, motionFieldStore> fields_;
    QString error_;
};

} // namespace

std::array<QString, motionFieldStore> splitMotionText(const QString& text) {
    std::array<QString, motionFieldStore> fields;
    if (text.isEmpty())
        return fields;
    std::size_t field = 0;
    qsizetype start = 0;
    // The first character belongs to the first token even when it is a space.
    for (qsizetype end = text.indexOf(u' ', 1); end >= 0; end = text.indexOf(u' ', end + 1)) {
        // Tokens past the store are dropped; only the last one still counts, as field 37.
        if (field < fields.size())
            fields[field] = text.sliced(start, end - start);
        ++field;
        start = end + 1;
    }
    fields[motionFieldCount - 1] = text.sliced(start);
    return fields;
}

std::optional<int> parseRecordInteger(QStringView token) {
    qsizetype i = 0;
    while (i < token.size() && token[i] == u' ')
        ++i;
    bool negative = false;
    if (i < token.size() && (token[i] == u'-' || token[i] == u'+')) {
        negative = token[i] == u'-';
        ++i;
    }
    if (i == token.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (; i < token.size(); ++i) {
        const char16_t c = token[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> parseRecordAngle(QStringView token) {
    QByteArray ascii;
    ascii.reserve(token.size());
    for (QChar c : token) {
        if (c.unicode() > 0x7f)
            return std::nullopt;
        ascii.append(static_cast<char>(c.unicode()));
    }
    const char* begin = ascii.constData();
    const char* end = begin + ascii.size();
    // from_chars takes no '+', but a sign before a digit or a point is a plain number.
    if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    double value = 0.0;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (begin == end || error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::variant<MotionRecord, QString> parseMotionText(const QString& text) {
    FieldReader reader(text);
    MotionRecord record;
    record.startFinish = reader.integer(2);
    record.windSpeed = reader.integer(3);
    record.planeSpeed = reader.integer(4);
    record.groundSpeed = reader.integer(5);
    record.vectorScale = reader.integer(6);
    int field = 7;
    for (ShapePlace& place : record.places) {
        place.top = reader.integer(field++);
        place.left = reader.integer(field++);
    }
    record.distanceIndex = reader.integer(1);
    record.options = reader.integer(33);
    record.windAngle = reader.angle(34);
    record.planeAngle = reader.angle(35);
    record.groundAngle = reader.angle(36);
    record.riverWidth = reader.integer(37);
    if (reader.failed())
        return reader.error();
    return record;
}

QStringList motionRecordLines(const Scene& scene) {
    const auto number = [](int value) { return QString::number(value); };
    const auto place = [&](Shape Scene::*shape) {
        return number((scene.*shape).top) + u' ' + number((scene.*shape).left);
    };
    int options = scene.unitsTag;
    if (scene.showVectors)
        options += 1;
    if (scene.showRiver)
        options += 2;
    if (scene.showDisplacement)
        options += 4;

    const QStringList first{
        number(scene.distanceScale),        number(scene.showStartFinish ? 1 : 0),
        number(scene.airspeedsb.position),  number(scene.planespeedsb.position),
        number(scene.resultantsb.position), number(scene.timesb.position)};
    QStringList lines{first.join(u' ')};
    // Shapes go three to a line after the first line, the last line adding the square.
    for (std::size_t i = 0; i + 1 < recordShapes.size(); i += 3) {
        lines << place(recordShapes[i]) + u' ' + place(recordShapes[i + 1]) + u' ' +
                     place(recordShapes[i + 2]);
    }
    lines << place(recordShapes.back()) + u' ' + number(options) + u' ' +
                 fixedText(scene.windAngle, 7, 5) + u' ' + fixedText(scene.planeAngle, 7, 5) +
                 u' ' + fixedText(scene.groundAngle, 7, 5) + u' ' + number(scene.shoresb.position);
    return lines;
}

} // namespace zephyra
