// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene/language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace zephyra {

namespace {

constexpr const char* sceneContext = "Scene";

QLocale& chosenLocale() {
    static QLocale locale = QLocale::c();
    return locale;
}

// The note's last line, one sentence after another.
constexpr const char* groundVelocityNote = QT_TRANSLATE_NOOP(
    "Scene", "The Ground Velocity (red) in the program is not used in the calculation of the plane "
             "motion. It is used as a way to measure what the resultant vector should be. The only "
             "vectors that affect the motion of the plane is the Wind and the Plane velocity.");

// The same on the river.
constexpr const char* riverGroundVelocityNote = QT_TRANSLATE_NOOP(
    "Scene", "The Ground Velocity (red) is not used in the calculation of the boat motion. It is a "
             "way to measure what the resultant vector should be. Only the current (Wind) and the "
             "boat (Plane) move the boat.");

// Captions the scene holds whole, as the handlers set them.
constexpr const char* wholeTexts[] = {
    //: The flight's button before the plane first flies; short, it is 75 pixels wide
    QT_TRANSLATE_NOOP("Scene", "&Start"),
    //: The flight's button while the plane flies; short, it is 75 pixels wide
    QT_TRANSLATE_NOOP("Scene", "&Stop"),
    //: The flight's button once the plane has stopped; short, it is 75 pixels wide
    QT_TRANSLATE_NOOP("Scene", "&Continue"),
    //: Title of the explanation panel
    QT_TRANSLATE_NOOP("Scene", "Motion"),
    QT_TRANSLATE_NOOP("Scene", "Load a Plane Motion"),
    QT_TRANSLATE_NOOP("Scene", "Save a Plane Motion"),
    //: Button of the motion panel; short, it is 75 pixels wide
    QT_TRANSLATE_NOOP("Scene", "&Load"),
    //: Button of the motion panel; short, it is 75 pixels wide
    QT_TRANSLATE_NOOP("Scene", "&Save"),
    QT_TRANSLATE_NOOP("Scene", "Note:"),
    QT_TRANSLATE_NOOP("Scene", "Note: "),
    QT_TRANSLATE_NOOP("Scene", "Plane: Velocity of plane relative to the air. (black)"),
    QT_TRANSLATE_NOOP("Scene", "Wind: Velocity of the air relative to the ground. (blue)"),
    groundVelocityNote,
    QT_TRANSLATE_NOOP("Scene", "Plane: Velocity of the boat relative to the water. (black)"),
    QT_TRANSLATE_NOOP("Scene", "Wind: Velocity of the current relative to the ground. (blue)"),
    riverGroundVelocityNote,
    //: Title of the about box
    QT_TRANSLATE_NOOP("Scene", "Zephyra About"),
    QT_TRANSLATE_NOOP("Scene", "Product Name: Zephyra"),
};

// The words before a read-out's value; the value keeps its numbers and compass letters.
struct Prefix {
    const char* source;
    bool numbers; // its value holds decimals that take the language's sign
};
constexpr Prefix prefixes[] = {
    {QT_TRANSLATE_NOOP("Scene", "Time Factor: "), true},
    {QT_TRANSLATE_NOOP("Scene", "Time: "), true},
    //: Distance and bearing from the start marker to the finish marker
    {QT_TRANSLATE_NOOP("Scene", "Direction: "), true},
    {QT_TRANSLATE_NOOP("Scene", "River Width: "), true},
    //: Read-out of the wind's velocity, e.g. "Wind: 20.0 m/s [E]"
    {QT_TRANSLATE_NOOP("Scene", "Wind: "), true},
    //: Read-out of the plane's velocity relative to the air
    {QT_TRANSLATE_NOOP("Scene", "Plane: "), true},
    //: Read-out of the ground velocity
    {QT_TRANSLATE_NOOP("Scene", "Ground: "), true},
    //: Menu caption before the chosen units, e.g. "Units: m,s"
    {QT_TRANSLATE_NOOP("Scene", "Units: "), false},
    //: The about box's version line, e.g. "Version 1.2"
    {QT_TRANSLATE_NOOP("Scene", "Version "), false},
};

QString compassLetter(QChar letter) {
    switch (letter.unicode()) {
    case u'N':
        //: Compass letter for North, as in "[N 30.0° E]"
        return QCoreApplication::translate("Compass", "N");
    case u'E':
        //: Compass letter for East, as in "[N 30.0° E]"
        return QCoreApplication::translate("Compass", "E");
    case u'S':
        //: Compass letter for South, as in "[S 30.0° W]"
        return QCoreApplication::translate("Compass", "S");
    default:
        //: Compass letter for West, as in "[S 30.0° W]"
        return QCoreApplication::translate("Compass", "W");
    }
}

// Compass letters in brackets and the decimal sign of every number.
QString localisedValue(const QString& value, bool numbers) {
    static const QRegularExpression bearing(
        QStringLiteral("\\[([NESW])(?: ([0-9.]+)\u00B0 ([EW]))?\\]"));
    static const QRegularExpression decimal(QStringLiteral("(?<=[0-9])\\.(?=[0-9])"));
    const QString sign = numbers ? chosenLocale().decimalPoint() : QStringLiteral(".");
    QString shown;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : bearing.globalMatch(value)) {
        shown += QStringView(value).sliced(from, match.capturedStart() - from);
        shown += QLatin1Char('[') + compassLetter(match.captured(1).front());
        if (match.hasCaptured(2))
            shown += QLatin1Char(' ') + match.captured(2) + QChar(0x00B0) + QLatin1Char(' ') +
                     compassLetter(match.captured(3).front());
        shown += QLatin1Char(']');
        from = match.capturedEnd();
    }
    shown += QStringView(value).sliced(from);
    return numbers ? shown.replace(decimal, sign) : shown;
}

QString localisedLine(const QString& line) {
    for (const char* text : wholeTexts)
        if (line == QLatin1String(text))
            return QCoreApplication::translate(sceneContext, text);
    for (const Prefix& prefix : prefixes)
        if (line.startsWith(QLatin1String(prefix.source)))
            return QCoreApplication::translate(sceneContext, prefix.source) +
                   localisedValue(line.sliced(static_cast<qsizetype>(qstrlen(prefix.source))),
                                  prefix.numbers);
    return localisedValue(line, true);
}

} // namespace

void setDisplayLocale(const QLocale& locale) {
    chosenLocale() = locale;
}

QString localised(const QString& sceneText) {
    QStringList lines = sceneText.split(QLatin1Char('\r'));
    for (QString& line : lines)
        line = localisedLine(line);
    return lines.join(QLatin1Char('\r'));
}

} // namespace zephyra
