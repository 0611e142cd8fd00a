// SPDX-License-Identifier: GPL-3.0-or-later
// The window in German, French and Spanish: read-outs with the language's compass letters and
// decimal sign, the language found from the desktop or the command line, a live switch that
// keeps the scene, and files that never depend on the language.
#include "app/application.h"
#include "app/command_line.h"
#include "app/guide_location.h"
#include "app/languages.h"
#include "app/window_fixture.h"
#include "flight/flight_clock.h"
#include "motions/motion_file.h"
#include "scene/language.h"
#include "vectors/velocity_panel.h"

#include <QAbstractButton>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>

#include <map>

namespace {

using namespace zephyra;

// Back to English whatever a test did, so the next test reads the designed texts.
struct English {
    ~English() { setLanguage(QStringLiteral("en")); }
};

TEST(Languages, ReadOutsTakeTheLanguagesWordsCompassLettersAndDecimalSign) {
    const English restore;
    struct Case {
        const char* language;
        QString scene;
        QString shown;
    };
    const Case cases[] = {
        {"de", QStringLiteral("Wind: 20.0 m/s [E]"), QStringLiteral("Wind: 20,0 m/s [O]")},
        {"de", QStringLiteral(" [N 30.0\u00B0 E]"), QStringLiteral(" [N 30,0\u00B0 O]")},
        {"de", QStringLiteral("Time: 1.23 s"), QStringLiteral("Zeit: 1,23 s")},
        {"de", QStringLiteral("   12.5 km [W]"), QStringLiteral("   12,5 km [W]")},
        {"de", QStringLiteral("Direction:  100.0 m [S 45\u00B0 W]"),
         QStringLiteral("Richtung:  100,0 m [S 45\u00B0 W]")},
        {"de", QStringLiteral("&Stop"), QStringLiteral("&Stopp")},
        {"de", QStringLiteral("Units: km, h"), QStringLiteral("Einheiten: km, h")},
        {"de", QStringLiteral("Version 1.2"), QStringLiteral("Version 1.2")},
        {"de", QStringLiteral("Note: \rWind: Velocity of the air relative to the ground. (blue)"),
         QStringLiteral("Hinweis: \rWind: Geschwindigkeit der Luft relativ zum Boden. (blau)")},
        {"fr", QStringLiteral("Plane: 20.0 m/s [S 60.0\u00B0 W]"),
         QStringLiteral("Avion : 20,0 m/s [S 60,0\u00B0 O]")},
        {"fr", QStringLiteral("River Width:  50.0 m"),
         QStringLiteral("Largeur du fleuve :  50,0 m")},
        {"es", QStringLiteral("Ground: 0.5 m/s [W]"), QStringLiteral("Suelo: 0,5 m/s [O]")},
        {"es", QStringLiteral("Time Factor: 10"), QStringLiteral("Factor de tiempo: 10")},
        // No known words and no bearing: only the decimal sign changes.
        {"es", QStringLiteral("Wind 2.5 [E"), QStringLiteral("Wind 2,5 [E")},
        {"en", QStringLiteral("Wind: 20.0 m/s [N 30.0\u00B0 E]"),
         QStringLiteral("Wind: 20.0 m/s [N 30.0\u00B0 E]")},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(setLanguage(QString::fromLatin1(c.language)));
        EXPECT_EQ(localised(c.scene), c.shown) << c.language;
    }
}

TEST(Languages, TheDesktopsFirstLanguageSpokenIsChosenElseEnglish) {
    const std::pair<QStringList, const char*> cases[] = {
        {{QStringLiteral("de-DE"), QStringLiteral("en-US")}, "de"},
        {{QStringLiteral("pt-BR"), QStringLiteral("fr-CA"), QStringLiteral("es")}, "fr"},
        {{QStringLiteral("es_ES")}, "es"},
        {{QStringLiteral("pt"), QStringLiteral("C")}, "en"},
        {{}, "en"},
    };
    for (const auto& [wanted, code] : cases)
        EXPECT_EQ(languageFor(wanted), QString::fromLatin1(code))
            << wanted.join(u' ').toStdString();
    QStringList names;
    for (const Language& language : availableLanguages())
        names << language.code + u'=' + language.name;
    EXPECT_EQ(names.join(u' '), QStringLiteral("en=English de=Deutsch es=Español fr=Français"));
    EXPECT_FALSE(setLanguage(QStringLiteral("xx")));
    EXPECT_EQ(currentLanguage(), QStringLiteral("en"));
}

TEST(Languages, HelpOpensTheGuideInTheLanguageChosen) {
    const English restore;
    const std::pair<const char*, const char*> cases[] = {{"de", "guide_de.html"},
                                                         {"fr", "guide_fr.html"},
                                                         {"es", "guide_es.html"},
                                                         {"en", "guide.html"}};
    for (const auto& [code, file] : cases) {
        ASSERT_TRUE(setLanguage(QString::fromLatin1(code)));
        const QUrl guide = guideUrl();
        EXPECT_EQ(guide.fileName(), QString::fromLatin1(file));
        EXPECT_TRUE(QFileInfo::exists(guide.toLocalFile())) << guide.toString().toStdString();
    }
}

TEST(Languages, TheCommandLineChoosesALanguageTheProgramSpeaks) {
    const auto parse = [](const QStringList& arguments) {
        return parseCommandLine(QStringList{QStringLiteral("zephyra")} + arguments);
    };
    const CommandLine german = parse({QStringLiteral("--language"), QStringLiteral("de")});
    EXPECT_EQ(german.action, CommandLine::Action::Run);
    EXPECT_EQ(chosenLanguage(german), QStringLiteral("de"));
    const CommandLine help =
        parse({QStringLiteral("-language"), QStringLiteral("fr"), QStringLiteral("--help")});
    EXPECT_EQ(help.action, CommandLine::Action::PrintHelp);
    EXPECT_EQ(help.language, QStringLiteral("fr"));
    const CommandLine unknown = parse({QStringLiteral("--language"), QStringLiteral("xx")});
    EXPECT_EQ(unknown.action, CommandLine::Action::Fail);
    EXPECT_EQ(unknown.output,
              QStringLiteral("zephyra: no translation for the language 'xx'; there are en, de, "
                             "es, fr\n"));
}

// Every caption, title and accessible name in the window, by object.
std::map<const QObject*, QString> windowTexts(const QWidget& window) {
    std::map<const QObject*, QString> texts;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        QString text = widget->accessibleName() + u'|' + widget->accessibleDescription();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            text += u'|' + button->text();
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            text += u'|' + label->text();
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            text += u'|' + box->title();
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                text += u'|' + tabs->tabText(i);
        texts[widget] = text;
    }
    for (const QAction* action : window.findChildren<QAction*>())
        texts[action] = action->text();
    return texts;
}

// Chooses a language from the menu; the window hears of it through a posted event.
void chooseLanguage(QAction* item) {
    item->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

TEST_F(Window, TheLanguageMenuSwitchesEveryTextLiveAndKeepsTheScene) {
    const English restore;
    auto& scene = const_cast<Scene&>(window.scene());
    setWindSpeed(scene, 205);
    setTime(scene, 150);
    window.project();
    const std::map<const QObject*, QString> english = windowTexts(window);
    const QByteArray file = motionFileBytes(QStringLiteral("Kept"), scene);
    const Scene before = scene;

    chooseLanguage(find<QAction>("language_de"));
    EXPECT_EQ(currentLanguage(), QStringLiteral("de"));
    EXPECT_TRUE(find<QAction>("language_de")->isChecked());
    EXPECT_FALSE(find<QAction>("language_en")->isChecked());
    EXPECT_EQ(text("timelb"), QStringLiteral("Zeit: 1,50 s"));
    EXPECT_EQ(text("airlb"), QStringLiteral("Wind: 20,5 m/s [O]"));
    EXPECT_EQ(find<QAbstractButton>("resetbt1")->text(), QStringLiteral("Zu&rücksetzen"));
    EXPECT_EQ(find<QAbstractButton>("stopstartcb")->text(), QStringLiteral("Start/Ziel zeigen"));
    EXPECT_EQ(find<QGroupBox>("distancerb")->title(), QStringLiteral("Entfernungsmaßstab"));
    EXPECT_EQ(find<QMenu>("Options1")->title(), QStringLiteral("&Optionen"));
    EXPECT_EQ(find<QMenu>("Units1")->title(), QStringLiteral("Einheiten: m,s"));
    EXPECT_EQ(find<QAction>("Movevectors1")->text(), QStringLiteral("Vektoren verschieben"));
    EXPECT_EQ(find<QAction>("Startfinishline1")->text(), QStringLiteral("Start- und Ziellinie"));
    EXPECT_EQ(find("airspeedsb")->accessibleName(), QStringLiteral("Windgeschwindigkeit"));
    EXPECT_EQ(window.findChild<QTabBar*>()->tabText(1), QStringLiteral("&Geschwindigkeiten"));

    // The scene is as it was: the same file, the same read-outs in English, the same time.
    EXPECT_EQ(motionFileBytes(QStringLiteral("Kept"), scene), file);
    EXPECT_EQ(scene.timelb.caption, before.timelb.caption);
    EXPECT_EQ(scene.airlb.caption, before.airlb.caption);
    EXPECT_EQ(scene.tsb.position, before.tsb.position);
    EXPECT_EQ(scene.waterim, before.waterim);

    chooseLanguage(find<QAction>("language_fr"));
    EXPECT_EQ(text("airlb"), QStringLiteral("Vent : 20,5 m/s [E]"));
    chooseLanguage(find<QAction>("language_en"));
    EXPECT_TRUE(windowTexts(window) == english) << "a text differs after the way back";
}

TEST_F(Window, AQuestionOpensInTheLanguageChosen) {
    const English restore;
    ASSERT_TRUE(setLanguage(QStringLiteral("es")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    choose("AddingVectors1");
    EXPECT_TRUE(window.scene().expmemText.startsWith(
        QStringLiteral("Para sumar vectores velocidad se colocan 'punta con cola'.\n")));
    EXPECT_EQ(find<QGroupBox>("qb")->title(), QStringLiteral("Pregunta de movimiento relativo"));
    EXPECT_EQ(find<QAbstractButton>("okbt")->text(), QStringLiteral("&Aceptar"));
}

// A motion saved in German opens in English as the same scene: saved again, the same bytes.
TEST_F(Window, AMotionSavedInGermanOpensTheSameInEnglish) {
    const English restore;
    QTemporaryDir dir;
    const QString german = dir.filePath(QStringLiteral("german.rel"));
    const QString english = dir.filePath(QStringLiteral("english.rel"));
    const auto save = [&](const QString& path) {
        choose("SaveMotion1");
        auto* memo = find<QPlainTextEdit>("expmem");
        QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, {20, 10});
        QTest::keyClicks(memo, QStringLiteral("Wind aus Westen"));
        platform.saveAnswers.emplace_back(path);
        find<QAbstractButton>("lsbt")->click();
    };
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    chooseLanguage(find<QAction>("language_de"));
    choose("AddingVectors1");
    find<QAbstractButton>("okbt")->click();
    setPlaneSpeed(const_cast<Scene&>(window.scene()), 437);
    dialKeyPoint(const_cast<Scene&>(window.scene()), 1, 2.5);
    window.project();
    EXPECT_EQ(text("planelb"), QStringLiteral("Flugzeug: 43,7 m/s [N 53,2\u00B0 W]"));
    save(german);

    chooseLanguage(find<QAction>("language_en"));
    choose("Movevectors1");
    find<QAbstractButton>("okbt")->click();
    choose("Openmotion1");
    platform.openAnswers.emplace_back(german);
    find<QAbstractButton>("lsbt")->click();
    find<QAbstractButton>("ybt")->click();
    EXPECT_EQ(text("planelb"), QStringLiteral("Plane: 43.7 m/s [N 53.2\u00B0 W]"));
    save(english);

    ASSERT_FALSE(bytes(german).isEmpty());
    EXPECT_TRUE(bytes(german).contains(".")) << "a point in the decimals";
    EXPECT_FALSE(bytes(german).contains(",")) << "no comma in the record";
    EXPECT_EQ(bytes(english), bytes(german));
}

} // namespace
