// SPDX-License-Identifier: GPL-3.0-or-later
#include "flight/flight_clock.h"
#include "ground_view/ground_view.h"
#include "scene/scene.h"
#include "startup/startup.h"
#include "support/fake_platform.h"
#include "support/printers.h"
#include "vectors/velocity_panel.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace zephyra;

namespace {

QStringList sceneTexts(const Scene& s) {
    QStringList texts{
        s.timerbtCaption,   s.timelb.caption,      s.timefactorlb.caption, s.directionlb.caption,
        s.shorelb.caption,  s.notelb.caption,      s.airlb.caption,        s.currentlb.caption,
        s.planelb.caption,  s.transportlb.caption, s.rlb.caption,          s.resultantlb.caption,
        s.nslb.caption,     s.ewlb.caption,        s.units1Caption,        s.expgbCaption,
        s.expmemText,       s.lsbtCaption,         s.motionText,           s.aboutCaption,
        s.aboutProductName, s.aboutVersion,        s.distanceUnit,         s.speedUnit,
        s.timeUnit};
    for (const Shape* shape : {&s.planesh, &s.Startsh, &s.stopsh})
        texts << shape->hint;
    return texts;
}

// Start-up, then a flight step with numbers that have decimals in every text.
QStringList textsAfterAFlightStep() {
    Scene scene;
    FakePlatform platform;
    FormCreate(scene);
    FormActivate(scene, platform);
    setTimeFactor(scene, 3);
    scene.windAngle = 0.5235987755982988;
    plotairspeedbtClick(scene);
    setDistanceScale(scene, 1);
    timerbtClick(scene);
    setTime(scene, 1233);
    windtrTimer(scene);
    return sceneTexts(scene);
}

class CommaLocale {
public:
    CommaLocale() : previousC(std::setlocale(LC_ALL, nullptr)) {
        active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        if (active)
            QLocale::setDefault(QLocale(QLocale::German));
    }
    ~CommaLocale() {
        std::setlocale(LC_ALL, previousC.c_str());
        QLocale::setDefault(previousQt);
    }
    bool active = false;

private:
    std::string previousC;
    QLocale previousQt;
};

} // namespace

TEST(LocaleTest, TextsDoNotDependOnTheUserLocale) {
    const QStringList plain = textsAfterAFlightStep();
    ASSERT_TRUE(plain.contains(QStringLiteral("Time: 12.36 s")));

    CommaLocale german;
    if (!german.active)
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed; scripts/setup builds it";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const QStringList local = textsAfterAFlightStep();

    ASSERT_EQ(local.size(), plain.size());
    for (qsizetype i = 0; i < plain.size(); ++i)
        EXPECT_EQ(local[i], plain[i]) << "text " << i;
}
