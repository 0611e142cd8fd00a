// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zephyra {

enum class BearingForm { Tenth, Whole };

double normaliseAngle(double a);
double angleFromOffset(int dx, int dyUp, bool zeroOffsetNorth);
QString bearingText(double a, BearingForm form);
QString speedText(int tenths);
QString velocityLabel(const QString& prefix, int tenths, const QString& speedUnit,
                      const QString& directionText);
QString courseLabel(double distance, double a, const QString& distanceUnit);
// value with `decimals` decimals, right-aligned in at least `width` characters; '.' always.
QString fixedText(double value, int width, int decimals);

} // namespace zephyra
