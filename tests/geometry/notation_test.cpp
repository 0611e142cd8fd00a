// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/notation.h"

#include "support/printers.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

using namespace zephyra;

namespace {

constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;
constexpr double turnStep = pi / 18000;

double degrees(double d) {
    return d * pi / 180.0;
}

QString deg(const char* text) {
    return QString::fromUtf8(text);
}

} // namespace

TEST(NormaliseAngleTest, CorrectsOnceIntoOneTurn) {
    struct Case {
        double in;
        double out;
    };
    const Case cases[] = {
        {0.0, 0.0},
        {1.0, 1.0},
        {-turnStep, twoPi - turnStep},
        {twoPi, 0.0},
        {twoPi + 0.5, 0.5},
        {-1.0, twoPi - 1.0},
        // one correction only: two turns out stays one turn out
        {-10.0, -10.0 + twoPi},
        {3 * twoPi, 2 * twoPi},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(normaliseAngle(c.in), c.out) << "angle " << c.in;
}

TEST(AngleFromOffsetTest, ReadsEveryQuadrantAndTheCentre) {
    struct Case {
        int dx;
        int dyUp;
        bool zeroNorth;
        double expected;
    };
    const Case cases[] = {
        {5, 0, true, 0.0},
        {-5, 0, true, pi},
        {0, 7, false, pi / 2},
        {0, -7, true, 3 * pi / 2},
        {0, 0, true, pi / 2},
        {0, 0, false, 3 * pi / 2},
        {10, 10, true, pi / 4},
        {-10, 10, true, 3 * pi / 4},
        {-10, -10, true, 5 * pi / 4},
        // not yet normalised: south-east comes out negative
        {10, -10, true, -pi / 4},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(angleFromOffset(c.dx, c.dyUp, c.zeroNorth), c.expected)
            << "dx " << c.dx << " dyUp " << c.dyUp;
    EXPECT_EQ(angleFromOffset(49, 0, true), 0.0);
}

TEST(VelocityLabelTest, TenthFormTable) {
    struct Case {
        double angleDegrees;
        int tenths;
        const char* prefix;
        const char* label;
    };
    const Case cases[] = {
        {0, 200, "Wind: ", "Wind: 20.0 m/s [E]"},
        {30, 200, "Wind: ", "Wind: 20.0 m/s [N 60.0° E]"},
        {90, 5, "Plane: ", "Plane: 0.5 m/s [N]"},
        {89.95, 5, "Plane: ", "Plane: 0.5 m/s [N]"},
        {90.05, 5, "Plane: ", "Plane: 0.5 m/s [N]"},
        {120, 1234, "Plane: ", "Plane: 123.4 m/s [N 30.0° W]"},
        {180, 0, "Ground: ", "Ground: 0.0 m/s [W]"},
        {179.95, 0, "Ground: ", "Ground: 0.0 m/s [W]"},
        {180.05, 0, "Ground: ", "Ground: 0.0 m/s [W]"},
        {200, 3000, "Ground: ", "Ground: 300.0 m/s [S 70.0° W]"},
        {270, 10, "Wind: ", "Wind: 1.0 m/s [S]"},
        {300, 1000, "Wind: ", "Wind: 100.0 m/s [S 30.0° E]"},
        {0.5, 200, "Wind: ", "Wind: 20.0 m/s [N 89.5° E]"},
        {359.5, 200, "Wind: ", "Wind: 20.0 m/s [S 89.5° E]"},
    };
    for (const Case& c : cases) {
        const QString direction = bearingText(degrees(c.angleDegrees), BearingForm::Tenth);
        EXPECT_EQ(
            velocityLabel(QString::fromUtf8(c.prefix), c.tenths, QStringLiteral(" m/s"), direction),
            deg(c.label))
            << c.angleDegrees << " degrees";
    }
}

TEST(BearingTextTest, OnlyExactZeroIsEast) {
    struct Case {
        double angle;
        BearingForm form;
        const char* text;
    };
    const Case cases[] = {
        {0.0, BearingForm::Tenth, " [E]"},
        {1e-12, BearingForm::Tenth, " [N 90.0° E]"},
        {twoPi - 1e-12, BearingForm::Tenth, " [S 90.0° E]"},
        {twoPi - turnStep, BearingForm::Tenth, " [S 90.0° E]"},
        {normaliseAngle(twoPi - turnStep + turnStep + turnStep), BearingForm::Tenth,
         " [N 90.0° E]"},
        {0.0, BearingForm::Whole, " [E]"},
        {1e-12, BearingForm::Whole, " [N 89° E]"},
        {degrees(30.6), BearingForm::Whole, " [N 59° E]"},
        {degrees(90.9), BearingForm::Whole, " [N]"},
        {degrees(89.1), BearingForm::Whole, " [N]"},
        {degrees(88.9), BearingForm::Whole, " [N 1° E]"},
        {degrees(180.5), BearingForm::Whole, " [W]"},
        {degrees(225), BearingForm::Whole, " [S 45° W]"},
        {degrees(269.5), BearingForm::Whole, " [S]"},
        {degrees(315.9), BearingForm::Whole, " [S 45° E]"},
        {3 * pi / 2, BearingForm::Whole, " [S]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bearingText(c.angle, c.form), deg(c.text)) << "angle " << c.angle;
}

TEST(BearingTextTest, AnglesOutsideOneTurnReadAsTheirDirection) {
    EXPECT_EQ(bearingText(-10.0, BearingForm::Tenth),
              bearingText(-10.0 + 2 * twoPi, BearingForm::Tenth));
    EXPECT_EQ(bearingText(3 * twoPi + degrees(30), BearingForm::Tenth), deg(" [N 60.0° E]"));
    EXPECT_EQ(bearingText(std::numeric_limits<double>::quiet_NaN(), BearingForm::Whole),
              deg(" [E]"));
    EXPECT_EQ(bearingText(std::numeric_limits<double>::infinity(), BearingForm::Whole),
              deg(" [E]"));
}

TEST(SpeedTextTest, TenthsWithoutRounding) {
    const std::pair<int, const char*> cases[] = {
        {0, "0.0"},    {5, "0.5"},      {10, "1.0"},     {200, "20.0"},
        {201, "20.1"}, {1234, "123.4"}, {3000, "300.0"}, {-5, "-0.5"},
    };
    for (auto [tenths, text] : cases)
        EXPECT_EQ(speedText(tenths), QString::fromUtf8(text)) << tenths;
}

TEST(FixedTextTest, RightAlignedAndNeverCut) {
    struct Case {
        double value;
        int width;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {75.2, 6, 1, "  75.2"},   {0.0, 6, 1, "   0.0"},          {12.346, 4, 2, "12.35"},
        {1.5, 4, 2, "1.50"},      {250.0, 5, 1, "250.0"},         {50.0, 5, 1, " 50.0"},
        {-3.26, 7, 1, "   -3.3"}, {1234567.0, 6, 1, "1234567.0"}, {3.14159265, 7, 5, "3.14159"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fixedText(c.value, c.width, c.decimals), QString::fromUtf8(c.text)) << c.value;
}

TEST(FixedTextTest, IgnoresTheLocale) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* cLocale = std::setlocale(LC_ALL, "de_DE.UTF-8");
    const QString text = fixedText(1234.5, 8, 2);
    const QString label = courseLabel(75.2, degrees(30.6), QStringLiteral(" m"));
    QLocale::setDefault(previous);
    if (cLocale)
        std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text, QStringLiteral(" 1234.50"));
    EXPECT_EQ(label, deg("Direction:   75.2  m [N 59° E]"));
}

TEST(CourseLabelTest, WholeFormWithDistance) {
    struct Case {
        double distance;
        double angle;
        const char* unit;
        const char* label;
    };
    const Case cases[] = {
        {75.2, degrees(30.6), " m", "Direction:   75.2  m [N 59° E]"},
        {75.2, 0.0, " m", "Direction:   75.2  m [E]"},
        {100.0, 0.0, " km", "Direction:  100.0  km [E]"},
        {123456.0, degrees(135), " m", "Direction: 123456.0  m [N 45° W]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(courseLabel(c.distance, c.angle, QString::fromUtf8(c.unit)), deg(c.label));
}

TEST(CourseLabelTest, MarkersOnTheSameSpotPointSouth) {
    const double a = normaliseAngle(angleFromOffset(0, 0, false));
    EXPECT_DOUBLE_EQ(a, 3 * pi / 2);
    EXPECT_EQ(courseLabel(0.0, a, QStringLiteral(" m")),
              QStringLiteral("Direction:    0.0  m [S]"));
}
