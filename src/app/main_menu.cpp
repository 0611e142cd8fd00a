// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menu.h"

#include "app/guide_location.h"
#include "app/languages.h"
#include "app/scene_description.h"
#include "app/translated.h"
#include "ground_view/arrows.h"
#include "ground_view/ground_view.h"
#include "manipulation/copy_selection.h"
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "motions/motion_panel.h"
#include "motions/questions.h"
#include "scene/language.h"
#include "scene/platform.h"
#include "startup/startup.h"
#include "vectors/velocity_panel.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace zephyra {

namespace {

using M = MenuKind;

// A handler that runs a click on the scene.
template <void (*click)(Scene&)> void runs(MenuActions& actions, int) {
    actions.context.run([&] { click(actions.context.scene); });
}

// A handler that opens the motion panel, which then takes the focus.
template <void (*click)(Scene&)> void opensPanel(MenuActions& actions, int) {
    actions.context.run([&] { click(actions.context.scene); });
    actions.focusPanel();
}

void chooseUnits(MenuActions& actions, int tag) {
    actions.context.run([&] { ms1Click(actions.context.scene, tag); });
}

void checkGroundVelocity(MenuActions& actions, int) {
    actions.context.platform.showMessage(groundVelocityCheck(actions.context.scene));
}

void exitProgram(MenuActions& actions, int) {
    actions.closeWindow();
}

void showGuide(MenuActions& actions, int) {
    zephyra::openGuide(actions.context.platform, guideUrl());
}

void showWorksheets(MenuActions& actions, int) {
    zephyra::openWorksheets(actions.context.platform, worksheetsUrl());
}

// A screen reader speaks the ground view in words.
void describe(MenuActions& actions, int) {
    actions.context.say(describeScene(actions.context.scene), nullptr);
}

void zoom(MenuActions& actions, int direction) {
    actions.zoom(direction);
}

void fullScreen(MenuActions& actions, int) {
    actions.toggleFullScreen();
}

void showAbout(MenuActions& actions, int) {
    actions.context.run([&] { About1Click(actions.context.scene, actions.context.platform); });
}

} // namespace

const std::vector<MenuRow>& mainMenuRows() {
    // The built-in questions are added to their submenus from the question list.
    static const std::vector<MenuRow> rows{
        {"File1", QT_TRANSLATE_NOOP("Trelativefrm", "&File"), nullptr, M::Submenu},
        {"Experiment1", QT_TRANSLATE_NOOP("Trelativefrm", "Questions"), "File1", M::Submenu},
        {"Introduction1", QT_TRANSLATE_NOOP("Trelativefrm", "Introduction"), "Experiment1",
         M::Submenu},
        {"Easy1", QT_TRANSLATE_NOOP("Trelativefrm", "Easy"), "Experiment1", M::Submenu},
        {"Medium1", QT_TRANSLATE_NOOP("Trelativefrm", "Medium"), "Experiment1", M::Submenu},
        {"Hard1", QT_TRANSLATE_NOOP("Trelativefrm", "Hard"), "Experiment1", M::Submenu},
        {"Motion11", QT_TRANSLATE_NOOP("Trelativefrm", "Worksheets"), "Experiment1", M::Submenu},
        {"Workssheet11", QT_TRANSLATE_NOOP("Trelativefrm", "Works sheet #1"), "Motion11",
         M::Submenu},
        {"Fullsolution1", QT_TRANSLATE_NOOP("Trelativefrm", "Full solution"), "Workssheet11",
         M::Submenu},
        {"PartialSolution1", QT_TRANSLATE_NOOP("Trelativefrm", "Partial Solution"), "Workssheet11",
         M::Submenu},
        {"Motion21", QT_TRANSLATE_NOOP("Trelativefrm", "Motion 2"), "Experiment1", M::HiddenItem},
        {"Motion1", QT_TRANSLATE_NOOP("Trelativefrm", "Motion 3"), "Experiment1", M::HiddenItem},
        {"ShowQuestion1", QT_TRANSLATE_NOOP("Trelativefrm", "Show &Question"), "File1", M::Item,
         opensPanel<ShowQuestion1Click>, 0, "F2"},
        {"N2", "-", "File1", M::Separator},
        {"SaveMotion1", QT_TRANSLATE_NOOP("Trelativefrm", "&Save Motion"), "File1", M::Item,
         opensPanel<SaveMotion1Click>, 0, "Ctrl+S"},
        {"Openmotion1", QT_TRANSLATE_NOOP("Trelativefrm", "&Open Motion"), "File1", M::Item,
         opensPanel<Openmotion1Click>, 0, "Ctrl+O"},
        {"N1", "-", "File1", M::Separator},
        {"Copyselect1", QT_TRANSLATE_NOOP("Trelativefrm", "Copy Select"), "File1", M::CheckItem,
         runs<Copyselect1Click>, 0, nullptr, &Scene::copySelect},
        {"Exit1", QT_TRANSLATE_NOOP("Trelativefrm", "E&xit"), "File1", M::Item, exitProgram, 0,
         "Ctrl+Q"},
        {"Options1", QT_TRANSLATE_NOOP("Trelativefrm", "&Options"), nullptr, M::Submenu},
        {"Showvectors1", QT_TRANSLATE_NOOP("Trelativefrm", "Show Vectors"), "Options1",
         M::CheckItem, runs<Showvectors1Click>, 0, nullptr, &Scene::showVectors},
        {"ShowShore1", QT_TRANSLATE_NOOP("Trelativefrm", "Show River"), "Options1", M::CheckItem,
         runs<ShowShore1Click>, 0, nullptr, &Scene::showRiver},
        {"Showposition1", QT_TRANSLATE_NOOP("Trelativefrm", "Show Displacement"), "Options1",
         M::CheckItem, runs<Showposition1Click>, 0, nullptr, &Scene::showDisplacement},
        {"ShowPath1", QT_TRANSLATE_NOOP("Trelativefrm", "Show &Path"), "Options1", M::CheckItem,
         runs<ShowPath1Click>, 0, nullptr, &Scene::showPath},
        {"DescribeScene1", QT_TRANSLATE_NOOP("Trelativefrm", "&Describe the Scene"), "Options1",
         M::Item, describe, 0, "Ctrl+D"},
        {"CheckGround1", QT_TRANSLATE_NOOP("Trelativefrm", "&Check Ground Velocity"), "Options1",
         M::Item, checkGroundVelocity, 0, "Ctrl+G"},
        {"Language1", QT_TRANSLATE_NOOP("Trelativefrm", "Language"), "Options1", M::Submenu},
        {"Units1", QT_TRANSLATE_NOOP("Trelativefrm", "Units: m,s"), "Options1", M::Submenu, nullptr,
         0, nullptr, nullptr, &Scene::units1Caption},
        {"ms1", QT_TRANSLATE_NOOP("Trelativefrm", "m,s"), "Units1", M::Item, chooseUnits, unitsMS},
        {"kmh1", QT_TRANSLATE_NOOP("Trelativefrm", "km, h"), "Units1", M::Item, chooseUnits,
         unitsKmH},
        // Vie&w: Alt+V and Alt+C are the page tabs'.
        {"View1", QT_TRANSLATE_NOOP("Trelativefrm", "Vie&w"), nullptr, M::Submenu},
        {"ZoomIn1", QT_TRANSLATE_NOOP("Trelativefrm", "Zoom &In"), "View1", M::Item, zoom, 1,
         "Ctrl++; Ctrl+="},
        {"ZoomOut1", QT_TRANSLATE_NOOP("Trelativefrm", "Zoom &Out"), "View1", M::Item, zoom, -1,
         "Ctrl+-"},
        {"ActualSize1", QT_TRANSLATE_NOOP("Trelativefrm", "&Actual Size"), "View1", M::Item, zoom,
         0, "Ctrl+0"},
        {"N3", "-", "View1", M::Separator},
        {"FullScreen1", QT_TRANSLATE_NOOP("Trelativefrm", "&Full Screen"), "View1", M::Item,
         fullScreen, 0, "F11", nullptr, nullptr, QKeySequence::FullScreen},
        {"Help1", QT_TRANSLATE_NOOP("Trelativefrm", "&Help"), nullptr, M::Submenu},
        {"UserGuide1", QT_TRANSLATE_NOOP("Trelativefrm", "&User Guide"), "Help1", M::Item,
         showGuide, 0, "F1"},
        {"Worksheets1", QT_TRANSLATE_NOOP("Trelativefrm", "&Worksheets"), "Help1", M::Item,
         showWorksheets, 0},
        {"About1", QT_TRANSLATE_NOOP("Trelativefrm", "&About"), "Help1", M::Item, showAbout},
    };
    return rows;
}

MainMenu::MainMenu(MenuActions actions, QMenuBar* bar)
    : QObject(bar), actions_(std::move(actions)) {
    std::vector<std::pair<const char*, QMenu*>> menus;
    const auto menuNamed = [&](const char* name) -> QMenu* {
        for (const auto& [menuName, menu] : menus)
            if (name && qstrcmp(menuName, name) == 0)
                return menu;
        return nullptr;
    };
    std::vector<std::pair<QStringList, QMenu*>> questionMenus; // by their caption path
    for (const MenuRow& row : mainMenuRows()) {
        // Questions find their submenus by the English captions.
        const QString caption = QString::fromUtf8(row.caption);
        QMenu* parent = menuNamed(row.parent);
        QAction* action = nullptr;
        if (row.kind == MenuKind::Submenu) {
            QMenu* menu = parent ? parent->addMenu(QString()) : bar->addMenu(QString());
            if (!row.title)
                setTranslatedText(menu, row.caption);
            menu->setObjectName(QLatin1String(row.name));
            menus.emplace_back(row.name, menu);
            action = menu->menuAction();
            if (row.parent && qstrcmp(row.parent, "Experiment1") == 0) {
                questionMenus.emplace_back(QStringList{caption}, menu);
            } else {
                const auto home =
                    std::find_if(questionMenus.begin(), questionMenus.end(),
                                 [&](const auto& entry) { return entry.second == parent; });
                if (home != questionMenus.end())
                    questionMenus.emplace_back(home->first + QStringList{caption}, menu);
            }
            // An open menu takes the mouse, so a turn button held meanwhile never hears its
            // release.
            connect(menu, &QMenu::aboutToShow, this, [this] {
                if (actions_.context.scene.angletrEnabled)
                    actions_.context.run([&] { Image10MouseUp(actions_.context.scene); });
            });
        } else if (row.kind == MenuKind::Separator) {
            action = parent->addSeparator();
        } else {
            action = parent->addAction(QString());
            setTranslatedText(action, row.caption);
            action->setCheckable(row.kind == MenuKind::CheckItem);
            action->setVisible(row.kind != MenuKind::HiddenItem);
            QList<QKeySequence> keys;
            if (row.shortcut)
                keys = QKeySequence::listFromString(QLatin1String(row.shortcut));
            for (const QKeySequence& key : QKeySequence::keyBindings(row.standardKey))
                if (!keys.contains(key))
                    keys.append(key);
            action->setShortcuts(keys);
            if (row.handler)
                connect(action, &QAction::triggered, this,
                        [this, &row] { row.handler(actions_, row.tag); });
        }
        action->setObjectName(QLatin1String(row.name));
        built_.push_back({&row, action});
    }
    buildQuestions(questionMenus);
    buildLanguages(menuNamed("Language1"));
    retranslate();
    project();
}

// Each question names its submenus and its caption.
void MainMenu::buildQuestions(const std::vector<std::pair<QStringList, QMenu*>>& menus) {
    const std::vector<Question>& list = questions();
    for (int index = 0; index < static_cast<int>(list.size()); ++index) {
        const Question& question = list[static_cast<std::size_t>(index)];
        // A caption may hold a '/' itself ("Start/finish line"): the deepest submenu whose
        // path begins the question's path is its home, and the rest is its caption.
        QMenu* home = nullptr;
        QString caption;
        for (const auto& [path, menu] : menus) {
            const QString prefix = path.join(QLatin1Char('/')) + QLatin1Char('/');
            if (question.menuPath.startsWith(prefix) &&
                (!home || question.menuPath.size() - prefix.size() < caption.size())) {
                home = menu;
                caption = question.menuPath.mid(prefix.size());
            }
        }
        if (!home)
            continue;
        QAction* item = home->addAction(QString());
        const auto submenus = question.menuPath.left(question.menuPath.size() - caption.size())
                                  .count(QLatin1Char('/'));
        questionItems_.push_back({item, index, static_cast<int>(submenus)});
        QString name = question.handler;
        if (name.endsWith(QLatin1String("Click")))
            name.chop(5);
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, [this, index] {
            actions_.context.run([&] { showQuestion(actions_.context.scene, index); });
            actions_.focusPanel();
        });
    }
}

// The languages by their own names, the one the window speaks checked.
void MainMenu::buildLanguages(QMenu* menu) {
    auto* group = new QActionGroup(menu);
    for (const Language& language : availableLanguages()) {
        QAction* item = menu->addAction(language.name);
        item->setObjectName(QStringLiteral("language_") + language.code);
        item->setCheckable(true);
        item->setActionGroup(group);
        connect(item, &QAction::triggered, this,
                [this, code = language.code] { actions_.chooseLanguage(code); });
        languageItems_.emplace_back(language.code, item);
    }
}

void MainMenu::retranslate() {
    const std::vector<Question>& list = questions();
    for (const QuestionItem& question : questionItems_) {
        // The translated path names the same submenus; the rest is the caption.
        const QString path = QCoreApplication::translate(
            "Questions", list[static_cast<std::size_t>(question.index)].menuPath.toUtf8());
        question.item->setText(path.section(QLatin1Char('/'), question.submenus));
    }
    const QString current = currentLanguage();
    for (const auto& [code, item] : languageItems_)
        item->setChecked(code == current);
}

void MainMenu::project() {
    const Scene& scene = actions_.context.scene;
    for (const auto& [row, action] : built_) {
        if (row->checked && action->isChecked() != scene.*(row->checked)) {
            const QSignalBlocker blocker(action);
            action->setChecked(scene.*(row->checked));
        }
        if (row->title && action->text() != localised(scene.*(row->title)))
            action->menu()->setTitle(localised(scene.*(row->title)));
    }
}

} // namespace zephyra
