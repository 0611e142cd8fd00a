// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_menu.h"

#include "app/guide_location.h"
#include "app/scene_description.h"
#include "ground_view/arrows.h"
#include "manipulation/copy_selection.h"
#include "manipulation/river.h"
#include "manipulation/units.h"
#include "motions/motion_panel.h"
#include "motions/questions.h"
#include "scene/platform.h"
#include "startup/startup.h"
#include "vectors/velocity_panel.h"

#include <QAction>
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

void exitProgram(MenuActions& actions, int) {
    actions.closeWindow();
}

void showGuide(MenuActions& actions, int) {
    zephyra::openGuide(actions.context.platform, guideUrl());
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
        {"File1", "&File", nullptr, M::Submenu},
        {"Experiment1", "Questions", "File1", M::Submenu},
        {"Introduction1", "Introduction", "Experiment1", M::Submenu},
        {"Easy1", "Easy", "Experiment1", M::Submenu},
        {"Medium1", "Medium", "Experiment1", M::Submenu},
        {"Hard1", "Hard", "Experiment1", M::Submenu},
        {"Motion11", "Worksheets", "Experiment1", M::Submenu},
        {"Workssheet11", "Works sheet #1", "Motion11", M::Submenu},
        {"Fullsolution1", "Full solution", "Workssheet11", M::Submenu},
        {"PartialSolution1", "Partial Solution", "Workssheet11", M::Submenu},
        {"Motion21", "Motion 2", "Experiment1", M::HiddenItem},
        {"Motion1", "Motion 3", "Experiment1", M::HiddenItem},
        {"N2", "-", "File1", M::Separator},
        {"SaveMotion1", "&Save Motion", "File1", M::Item, opensPanel<SaveMotion1Click>, 0,
         "Ctrl+S"},
        {"Openmotion1", "&Open Motion", "File1", M::Item, opensPanel<Openmotion1Click>, 0,
         "Ctrl+O"},
        {"N1", "-", "File1", M::Separator},
        {"Copyselect1", "Copy Select", "File1", M::CheckItem, runs<Copyselect1Click>, 0, nullptr,
         &Scene::copySelect},
        {"Exit1", "E&xit", "File1", M::Item, exitProgram, 0, "Ctrl+Q"},
        {"Options1", "&Options", nullptr, M::Submenu},
        {"Showvectors1", "Show Vectors", "Options1", M::CheckItem, runs<Showvectors1Click>, 0,
         nullptr, &Scene::showVectors},
        {"ShowShore1", "Show River", "Options1", M::CheckItem, runs<ShowShore1Click>, 0, nullptr,
         &Scene::showRiver},
        {"Showposition1", "Show Displacement", "Options1", M::CheckItem, runs<Showposition1Click>,
         0, nullptr, &Scene::showDisplacement},
        {"DescribeScene1", "&Describe the Scene", "Options1", M::Item, describe, 0, "Ctrl+D"},
        {"Units1", "Units: m,s", "Options1", M::Submenu, nullptr, 0, nullptr, nullptr,
         &Scene::units1Caption},
        {"ms1", "m,s", "Units1", M::Item, chooseUnits, unitsMS},
        {"kmh1", "km, h", "Units1", M::Item, chooseUnits, unitsKmH},
        // Vie&w: Alt+V and Alt+C are the page tabs'.
        {"View1", "Vie&w", nullptr, M::Submenu},
        {"ZoomIn1", "Zoom &In", "View1", M::Item, zoom, 1, "Ctrl++; Ctrl+="},
        {"ZoomOut1", "Zoom &Out", "View1", M::Item, zoom, -1, "Ctrl+-"},
        {"ActualSize1", "&Actual Size", "View1", M::Item, zoom, 0, "Ctrl+0"},
        {"N3", "-", "View1", M::Separator},
        {"FullScreen1", "&Full Screen", "View1", M::Item, fullScreen, 0, "F11", nullptr, nullptr,
         QKeySequence::FullScreen},
        {"Help1", "&Help", nullptr, M::Submenu},
        {"UserGuide1", "&User Guide", "Help1", M::Item, showGuide, 0, "F1"},
        {"About1", "&About", "Help1", M::Item, showAbout},
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
        const QString caption = QString::fromUtf8(row.caption);
        QMenu* parent = menuNamed(row.parent);
        QAction* action = nullptr;
        if (row.kind == MenuKind::Submenu) {
            QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
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
            action = parent->addAction(caption);
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
        QAction* item = home->addAction(caption);
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

void MainMenu::project() {
    const Scene& scene = actions_.context.scene;
    for (const auto& [row, action] : built_) {
        if (row->checked && action->isChecked() != scene.*(row->checked)) {
            const QSignalBlocker blocker(action);
            action->setChecked(scene.*(row->checked));
        }
        if (row->title && action->text() != scene.*(row->title))
            action->menu()->setTitle(scene.*(row->title));
    }
}

} // namespace zephyra
