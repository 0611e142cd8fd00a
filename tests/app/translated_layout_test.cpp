// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption fits its control in every language, and in a made-up language whose every text
// is 40 % longer and accented, the way a long translation would be: both pages, the motion
// panel in each mode, the question box, the tabs and the about box.
#include "app/about_box.h"
#include "app/languages.h"
#include "app/shown.h"
#include "app/window_fixture.h"
#include "flight/flight_clock.h"
#include "ground_view/ground_view.h"
#include "manipulation/river.h"
#include "scene/language.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QRegularExpression>
#include <QTabBar>
#include <QTranslator>

namespace {

using namespace zephyra;

// Letters accented, then filled to 40 % more; mnemonics, "%1" and a dialog filter's "|*.rel"
// stay as they are, so the program still works in it.
class LongAccented : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        const QString english = QString::fromUtf8(source);
        const qsizetype bar = english.indexOf(u'|');
        QString text = english.left(bar < 0 ? english.size() : bar);
        const QString kept = bar < 0 ? QString() : english.mid(bar);
        const QString plain = QStringLiteral("AEIOUNCaeiouncy");
        const QString accented = QStringLiteral("ÂÉÎÖÜÑÇâéîöüñçÿ");
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype at = plain.indexOf(text[i]);
            if (at >= 0 && (i == 0 || (text[i - 1] != u'%' && text[i - 1] != u'&')))
                text[i] = accented[at];
        }
        qsizetype end = text.size();
        while (end > 0 && text[end - 1].isSpace())
            --end;
        text.insert(end, QString((text.trimmed().size() * 4 + 9) / 10, u'ÿ'));
        return text + kept;
    }
    bool isEmpty() const override { return false; }
};

// The captions that do not fit, as "name: text".
QStringList clipped(const QWidget& window) {
    QStringList found;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        bool fits = true;
        if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QGroupBox*>(widget))
            fits = captionFits(widget, widget->font());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            // Its caption inside the label, and inside the label's parent.
            int text = 0;
            for (const QString& line : label->text().split(u'\n'))
                text = std::max(text, label->fontMetrics().horizontalAdvance(line));
            const int left =
                label->x() +
                (label->alignment() & Qt::AlignHCenter ? (label->width() - text) / 2 : 0);
            fits = captionFits(label, label->font()) && left >= 0 &&
                   (label->wordWrap() || left + text <= label->parentWidget()->width());
        }
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            fits = tabs->sizeHint().width() <= tabs->width();
        }
        if (!fits)
            found << widget->objectName() + QStringLiteral(": ") +
                         widget->property("text").toString() + widget->property("title").toString();
    }
    return found;
}

// Shown texts with a letter but none of the long language's filler: left untranslated.
QStringList untranslated(const QWidget& window) {
    QStringList found;
    const auto check = [&](const QObject* object, const QString& text) {
        static const QRegularExpression letter(QStringLiteral("[A-Za-z]"));
        if (text.contains(letter) && !text.contains(u'ÿ'))
            found << object->objectName() + QStringLiteral(": ") + text;
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window))
            continue;
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            check(widget, button->text());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            check(widget, label->text());
        if (const auto* box = qobject_cast<const QGroupBox*>(widget))
            check(widget, box->title());
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                check(widget, tabs->tabText(i));
        if (!widget->accessibleName().isEmpty())
            check(widget, widget->accessibleName());
    }
    // Every menu item but the languages, which keep their own names.
    for (const QAction* action : window.findChildren<QAction*>())
        if (!action->objectName().startsWith(QLatin1String("language_")) && !action->isSeparator())
            check(action, action->text());
    return found;
}

class TranslatedLayout : public Window {
protected:
    void TearDown() override {
        QCoreApplication::removeTranslator(&longAccented);
        setLanguage(QStringLiteral("en"));
    }
    // The window in each language, then in the long one.
    template <class Check> void inEveryLanguage(Check check) {
        for (const Language& language : availableLanguages()) {
            setLanguage(language.code);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            check(language.code);
        }
        setLanguage(QStringLiteral("en"));
        QCoreApplication::installTranslator(&longAccented);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        check(QStringLiteral("long"));
    }
    void expectNothingClipped(const QString& language, const char* where) {
        EXPECT_EQ(clipped(window).join(u'\n'), QString())
            << language.toStdString() << ", " << where;
        if (language == QLatin1String("long")) {
            EXPECT_EQ(untranslated(window).join(u'\n'), QString()) << where;
        }
    }
    Scene& scene() { return const_cast<Scene&>(window.scene()); }

    LongAccented longAccented;
};

TEST_F(TranslatedLayout, BothPagesShowEveryCaptionWhole) {
    setTime(scene(), 1234);
    scene().showStartFinish = true;
    stopstartcbClick(scene());
    choose("ShowShore1");
    setRiverWidth(scene(), 251); // the width then shows its unit
    choose("Showposition1");
    inEveryLanguage([&](const QString& language) {
        window.project();
        scene().notebookPage = 0;
        window.project();
        expectNothingClipped(language, "Controls");
        scene().notebookPage = 1;
        window.project();
        expectNothingClipped(language, "Velocities");
    });
}

TEST_F(TranslatedLayout, TheMotionPanelInEachModeAndTheQuestionBoxShowEveryCaptionWhole) {
    inEveryLanguage([&](const QString& language) {
        choose("Openmotion1");
        expectNothingClipped(language, "Load");
        platform.openAnswers.emplace_back(QStringLiteral(ZEPHYRA_TEST_DATA "/adding_vectors.rel"));
        find<QAbstractButton>("lsbt")->click();
        expectNothingClipped(language, "preview");
        find<QAbstractButton>("nbt")->click();
        choose("SaveMotion1");
        expectNothingClipped(language, "Save");
        find<QAbstractButton>("cancelbt")->click();
        choose("AddingVectors1");
        expectNothingClipped(language, "question");
        find<QAbstractButton>("okbt")->click();
    });
    // The program's own texts in the explanation box and its messages are translated too.
    const auto memo = [&] { return window.scene().expmemText; };
    choose("AddingVectors1");
    EXPECT_TRUE(memo().contains(u'ÿ')) << memo().toStdString();
    find<QAbstractButton>("okbt")->click();
    choose("SaveMotion1");
    EXPECT_TRUE(memo().contains(u'ÿ')) << memo().toStdString();
    find<QAbstractButton>("cancelbt")->click();
    choose("Openmotion1");
    EXPECT_TRUE(memo().contains(u'ÿ')) << memo().toStdString();
    platform.openAnswers.emplace_back(QStringLiteral(ZEPHYRA_TEST_DATA "/short_file.rel"));
    find<QAbstractButton>("lsbt")->click();
    find<QAbstractButton>("ybt")->click();
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors.constFirst().contains(u'ÿ'))
        << platform.errors.constFirst().toStdString();
}

TEST_F(TranslatedLayout, TheAboutBoxShowsEveryTextWhole) {
    inEveryLanguage([&](const QString& language) {
        Taboutboxp about(
            QStringLiteral("Zephyra About"), localised(window.scene().aboutProductName),
            localised(window.scene().aboutVersion), QUrl(), [](const QUrl&) {}, &window);
        about.show();
        EXPECT_EQ(clipped(about).join(u'\n'), QString()) << language.toStdString();
    });
}

} // namespace
