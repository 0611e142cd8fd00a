// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/notation.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace zephyra {

namespace {

constexpr double halfPi = 1.5707963267948966;
constexpr double pi = 3.141592653589793;
constexpr double threeHalfPi = 4.71238898038469;
constexpr double twoPi = 6.283185307179586;
constexpr double tenthTolerance = 0.0017453292519943296; // 0.1 degree
constexpr double wholeTolerance = 0.017453292519943295;  // 1 degree
constexpr QChar degreeSign(0x00B0);

// An angle that is still out of range after the single correction (a hand-edited motion can
// hold one) is read as the direction it points in; a value that is no number reads as East.
double directionWithinTurn(double a) {
    if (!std::isfinite(a))
        return 0.0;
    if (a >= 0.0 && a < twoPi)
        return a;
    const double reduced = std::fmod(a, twoPi);
    return reduced < 0.0 ? reduced + twoPi : reduced;
}

// d is the turn away from North or South in degrees, 0 < d <= 90 for an angle in range.
QString degreeNumber(double d, BearingForm form) {
    if (form == BearingForm::Tenth)
        return QString::number(d, 'f', 1);
    return QString::number(static_cast<int>(std::trunc(d)));
}

} // namespace

double normaliseAngle(double a) {
    if (a < 0.0)
        return a + twoPi;
    if (a >= twoPi)
        return a - twoPi;
    return a;
}

double angleFromOffset(int dx, int dyUp, bool zeroOffsetNorth) {
    if (dx != 0) {
        const double a = std::atan(static_cast<double>(dyUp) / dx);
        return dx < 0 ? a + pi : a;
    }
    if (dyUp > 0)
        return halfPi;
    if (dyUp < 0)
        return threeHalfPi;
    return zeroOffsetNorth ? halfPi : threeHalfPi;
}

QString bearingText(double angle, BearingForm form) {
    const double a = directionWithinTurn(angle);
    const double t = form == BearingForm::Tenth ? tenthTolerance : wholeTolerance;
    const double toDegrees = 180.0 / pi;
    if (a == 0.0)
        return QStringLiteral(" [E]");
    if (std::abs(a - pi) < t)
        return QStringLiteral(" [W]");
    if (a <= pi) {
        if (std::abs(a - halfPi) < t)
            return QStringLiteral(" [N]");
        return QStringLiteral(" [N ") + degreeNumber(std::abs(a - halfPi) * toDegrees, form) +
               degreeSign + (a <= halfPi ? QStringLiteral(" E]") : QStringLiteral(" W]"));
    }
    if (std::abs(a - threeHalfPi) < t)
        return QStringLiteral(" [S]");
    return QStringLiteral(" [S ") + degreeNumber(std::abs(a - threeHalfPi) * toDegrees, form) +
           degreeSign + (a <= threeHalfPi ? QStringLiteral(" W]") : QStringLiteral(" E]"));
}

QString speedText(int tenths) {
    // Speeds come from scroll bars and are never negative; a negative value still reads
    // as a signed number rather than as "0.-5".
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(tenths));
    const QString text =
        QString::number(magnitude / 10) + QLatin1Char('.') + QString::number(magnitude % 10);
    return tenths < 0 ? QLatin1Char('-') + text : text;
}

QString velocityLabel(const QString& prefix, int tenths, const QString& speedUnit,
                      const QString& directionText) {
    return prefix + speedText(tenths) + speedUnit + directionText;
}

QString courseLabel(double distance, double a, const QString& distanceUnit) {
    return QStringLiteral("Direction: ") + fixedText(distance, 6, 1) + QLatin1Char(' ') +
           distanceUnit + bearingText(a, BearingForm::Whole);
}

QString fixedText(double value, int width, int decimals) {
    return QString::number(value, 'f', decimals).rightJustified(width, QLatin1Char(' '));
}

} // namespace zephyra
